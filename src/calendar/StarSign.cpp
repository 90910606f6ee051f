#include "calendar/StarSign.h"

namespace qiming::calendar {

int starSignOf(int month, int day)
{
    // First days, as month × 100 + day, of 水瓶座, 双鱼座, 白羊座 … 摩羯座.
    static constexpr int kStarts[12] = {120, 219, 321, 421, 521, 622, 723, 823, 923, 1023, 1123, 1222};
    const int v = 100 * month + day;
    for (int i = 0; i < 12; ++i) {
        const int next = i + 1 < 12 ? kStarts[i + 1] : 100000;
        if (v < kStarts[i])
            return (i + 9) % 12;
        if (v < next)
            return (i + 10) % 12;
    }
    return -1;
}

QString starSignName(int index)
{
    static const QString names[12] = {
        QStringLiteral("白羊座"), QStringLiteral("金牛座"), QStringLiteral("双子座"), QStringLiteral("巨蟹座"),
        QStringLiteral("狮子座"), QStringLiteral("处女座"), QStringLiteral("天秤座"), QStringLiteral("天蝎座"),
        QStringLiteral("射手座"), QStringLiteral("摩羯座"), QStringLiteral("水瓶座"), QStringLiteral("双鱼座"),
    };
    return index >= 0 && index < 12 ? names[index] : QString();
}

} // namespace qiming::calendar
