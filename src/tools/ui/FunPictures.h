// The fun tools' pictures, drawn by the program: the toolbar tiles come from the main
// window's style; these are the two illustrations.
#pragma once

#include <QPixmap>

namespace qiming::tools {

// The two kinds of fingerprint side by side: a whorl (斗, 箩) and a loop (簸箕), captioned.
QPixmap fingerprintKindsPicture();
// A night sky with two linked constellations.
QPixmap starSignsPicture();

} // namespace qiming::tools
