// A box nobody answers fails the test it appears in instead of hanging the whole run.
#include "TestSupport.h"
#include "ModalAnswerer.h"

#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

void showABox()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("全部名字计算完毕！"));
    box.exec();
}

} // namespace

TEST(ModalGuard, ABoxWithNoAnswererFailsTheTestAndIsClosed)
{
    EXPECT_NONFATAL_FAILURE(showABox(), "全部名字计算完毕！");
}

TEST(ModalGuard, ABoxWithAnAnswererIsLeftToIt)
{
    qiming::test::ModalAnswerer answerer;
    showABox();
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("全部名字计算完毕！")}));
}
