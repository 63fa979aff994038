#include <gtest/gtest.h>

#include "malhas/Layer.h"

TEST(Layer, DefaultAndColouredStyles) {
    const TLayer p = TLayer::CreatePadrao();
    EXPECT_EQ(p.Pincel.Color, TColor(0xFF0000));
    EXPECT_EQ(p.Caneta.Color, TColor(0xC0C0C0));
    EXPECT_EQ(p.Fonte.Color, TColor(0x00FFFF));
    EXPECT_EQ(p.Fonte.Name, "Arial");
    EXPECT_EQ(p.Fonte.Size, 7);

    const TLayer c(clRed, clGreen, clNavy);
    EXPECT_EQ(c.Pincel.Color, clRed);
    EXPECT_EQ(c.Caneta.Color, clGreen);
    EXPECT_EQ(c.Fonte.Color, clNavy);
}
