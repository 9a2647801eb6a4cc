// The QR logo's box: a logo is scaled to fit it with its proportions kept.

#include "imaging/QrLogo.h"

#include <gtest/gtest.h>

#include <QSize>

TEST(QrLogo, ALogoFitsTheBoxWithItsProportions)
{
    EXPECT_EQ(qr_logo::fittedSize(400, 100), QSize(200, 50));
    EXPECT_EQ(qr_logo::fittedSize(100, 400), QSize(50, 200));
    EXPECT_EQ(qr_logo::fittedSize(30, 30), QSize(200, 200));   // enlarged as well
    EXPECT_EQ(qr_logo::fittedSize(1000, 1), QSize(200, 1));
    EXPECT_EQ(qr_logo::fittedSize(0, 10), QSize());
}
