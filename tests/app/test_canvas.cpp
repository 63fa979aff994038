// The engine's canvas on a QImage: what each call leaves in the pixels.
#include "CanvasQt.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

class Canvas : public ::testing::Test {
protected:
    Canvas() : imagem(100, 80, QImage::Format_RGB32), c(&imagem) { imagem.fill(Qt::white); }
    TColor Px(int x, int y) { return c.GetPixel(x, y); }
    int Conta(TColor cor, int x1, int y1, int x2, int y2) {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                n += c.GetPixel(x, y) == cor;
        return n;
    }
    QImage imagem;
    TCanvasQt c;
};

TEST_F(Canvas, ColoursKeepTheirBlueGreenRedOrder) {
    EXPECT_EQ(CorQt(clRed), QColor(255, 0, 0));
    EXPECT_EQ(CorQt(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(CorQt(RGBCor(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(CorPlataforma(QColor(10, 20, 30)), RGBCor(10, 20, 30));
    c.SetPixel(3, 4, clTeal);
    EXPECT_EQ(Px(3, 4), clTeal);
    EXPECT_EQ(Px(-1, 0), 0xFFFFFFFFu); // outside
}

TEST_F(Canvas, RectangleFillsInsideWithTheBrushAndOutlinesWithThePen) {
    c.Brush.Color = clLime;
    c.Pen.Color = clBlack;
    c.Rectangle(10, 10, 30, 20); // covers 10..29 x 10..19
    EXPECT_EQ(Px(10, 10), clBlack);
    EXPECT_EQ(Px(29, 19), clBlack);
    EXPECT_EQ(Px(20, 15), clLime);
    EXPECT_EQ(Px(30, 15), clWhite);
    EXPECT_EQ(Px(20, 20), clWhite);

    // A clear brush leaves the inside alone.
    c.Brush.Style = TBrushStyle::bsClear;
    c.Pen.Color = clRed;
    c.Rectangle(40, 40, 60, 60);
    EXPECT_EQ(Px(40, 50), clRed);
    EXPECT_EQ(Px(50, 50), clWhite);
}

TEST_F(Canvas, PolygonFillHatchAndFillRect) {
    c.Brush.Color = clBlue;
    c.Pen.Color = clBlue;
    c.Polygon({{0, 0}, {40, 0}, {0, 40}});
    EXPECT_EQ(Px(5, 5), clBlue);
    EXPECT_EQ(Px(35, 35), clWhite);

    // A backward-diagonal hatch paints some pixels of the inside and leaves others.
    c.Brush.Color = clGreen;
    c.Brush.Style = TBrushStyle::bsBDiagonal;
    c.Pen.Style = TPenStyle::psClear;
    c.Polygon({{50, 10}, {90, 10}, {90, 50}, {50, 50}});
    const int verdes = Conta(clGreen, 52, 12, 88, 48);
    EXPECT_GT(verdes, 36 * 36 / 16);
    EXPECT_LT(verdes, 36 * 36 / 2);
    EXPECT_EQ(Conta(clGreen, 0, 55, 100, 80), 0);

    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = clYellow;
    c.FillRect(0, 60, 10, 70);
    EXPECT_EQ(Conta(clYellow, 0, 60, 10, 70), 100);
    EXPECT_EQ(Px(10, 65), clWhite);
}

TEST_F(Canvas, LinesFollowThePenWidthAndStyle) {
    c.Pen.Color = clRed;
    c.MoveTo(0, 10);
    c.LineTo(99, 10);
    EXPECT_EQ(Conta(clRed, 0, 10, 100, 11), 100);
    EXPECT_EQ(Px(50, 11), clWhite);

    c.Pen.Width = 5;
    c.MoveTo(0, 30);
    c.LineTo(99, 30);
    EXPECT_EQ(Px(50, 28), clRed);
    EXPECT_EQ(Px(50, 32), clRed);
    EXPECT_EQ(Px(50, 34), clWhite);

    // Dash-dot-dot leaves gaps along the line.
    c.Pen.Width = 1;
    c.Pen.Style = TPenStyle::psDashDotDot;
    c.Pen.Color = clBlue;
    c.MoveTo(0, 50);
    c.LineTo(99, 50);
    const int azuis = Conta(clBlue, 0, 50, 100, 51);
    EXPECT_GT(azuis, 30);
    EXPECT_LT(azuis, 90);

    c.Pen.Style = TPenStyle::psSolid;
    c.Polyline({{0, 70}, {50, 70}, {50, 79}});
    EXPECT_EQ(Px(25, 70), clBlue);
    EXPECT_EQ(Px(50, 75), clBlue);
}

TEST_F(Canvas, TextSitsAtItsTopLeftCornerOnItsBrushUnlessClear) {
    c.Font.Color = clBlack;
    c.Font.Size = 10;
    c.Brush.Color = clAqua;
    c.TextOut(10, 10, "ETAPA 1 ");
    const int w = c.TextWidth("ETAPA 1 "), h = c.TextHeight("ETAPA 1 ");
    EXPECT_GT(w, 20);
    EXPECT_GT(h, 5);
    EXPECT_EQ(Px(10, 10), clAqua); // the cell's corner
    EXPECT_EQ(Px(9, 9), clWhite);
    EXPECT_GT(Conta(clBlack, 10, 10, 10 + w, 10 + h), 10);
    EXPECT_EQ(Conta(clBlack, 0, 10 + h, 100, 80), 0);

    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Color = clRed;
    c.TextOut(10, 50, "X");
    EXPECT_EQ(Px(10, 50), clWhite);
    EXPECT_GT(20 * 20 - Conta(clWhite, 10, 50, 30, 70), 3);
}

TEST_F(Canvas, EllipseAndReadBackAfterManyCalls) {
    c.Brush.Color = clYellow;
    c.Pen.Color = clYellow;
    c.Ellipse(40, 30, 60, 50);
    EXPECT_EQ(Px(50, 40), clYellow);
    EXPECT_EQ(Px(40, 30), clWhite); // outside the disc
    // Drawing continues after a read.
    c.Brush.Color = clRed;
    c.FillRect(0, 0, 5, 5);
    EXPECT_EQ(Px(2, 2), clRed);
    EXPECT_EQ(c.Largura(), 100);
    EXPECT_EQ(c.Altura(), 80);
}

} // namespace

#include "MensagensPerguntador.h"
#include "PerguntadorRoteiro.h"

TEST(MensagensPerguntador, EngineMessagesBecomeTheProgramsBoxes) {
    TPerguntadorLigado roteiro;
    TMensagensPerguntador m;
    DefineMensagens(&m);
    ShowMessage("informação");
    MostraErro("erro");
    MostraMensagem(TTipoMensagem::Aviso, "aviso");
    roteiro.P.Respostas = {false, true};
    EXPECT_FALSE(MostraMensagem(TTipoMensagem::Confirmacao, "pergunta 1"));
    EXPECT_TRUE(MostraMensagem(TTipoMensagem::Confirmacao, "pergunta 2"));
    DefineMensagens(nullptr);
    EXPECT_EQ(roteiro.P.Informacoes, QStringList({"informação"}));
    EXPECT_EQ(roteiro.P.Erros, QStringList({"erro"}));
    EXPECT_EQ(roteiro.P.Avisos, QStringList({"aviso"}));
    EXPECT_EQ(roteiro.P.Perguntas, QStringList({"pergunta 1", "pergunta 2"}));
}
