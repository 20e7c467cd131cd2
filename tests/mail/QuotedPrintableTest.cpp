#include "mail/QuotedPrintable.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(QuotedPrintable, Cas) {
    const std::pair<QByteArray, QByteArray> cas[] = {
        {"<meta charset=\"utf-8\" /> \r\n", "<meta charset=3D\"utf-8\" />=20\r\n"},
        {"R\xc3\xa9union\ttab\t\n", "R=C3=A9union\ttab=09\r\n"},
        {".point\r\n\r\n", "=2Epoint\r\n\r\n"},
        {"sans fin", "sans fin\r\n"},
        {QByteArray(70, 'a') + "\r\n", QByteArray(70, 'a') + "=\r\n\r\n"},
        {QByteArray(200, 'b') + "\r\n", QByteArray(70, 'b') + "=\r\n" + QByteArray(70, 'b') +
                                            "=\r\n" + QByteArray(60, 'b') + "\r\n"},
        // An escape is never cut: the line may reach 73 characters with its "=".
        {QByteArray(69, 'c') + "\xff\xff\r\n", QByteArray(69, 'c') + "=FF=\r\n=FF\r\n"},
        {"un\rdeux\n", "un=0Ddeux\r\n"},
    };
    for (const auto& [source, attendu] : cas)
        EXPECT_EQ(CoderQuotedPrintable(source), attendu) << source.toStdString();
}
