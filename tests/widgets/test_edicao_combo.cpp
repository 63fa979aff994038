// The combo edit offscreen: where its popup opens, the button and its key, read-only and
// direct input, Enter and Escape.
#include "KitComboEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <set>
#include <utility>

namespace {

class TPopupTeste : public TPopupWindow {
public:
    using TPopupWindow::TPopupWindow;
    QString Valor = QStringLiteral("42");
    QVariant Recebido;
    QVariant ReadPopupValue() override { return Valor; }
    void WritePopupValue(const QVariant &v) override { Recebido = v; }
};

class TEditTeste : public TCustomComboEdit {
public:
    explicit TEditTeste(QWidget *pai) : TCustomComboEdit(pai), P(new TPopupTeste(this)) {
        P->resize(104, 127);
        SetPopup(P);
    }
    TPopupTeste *P;
};

// A dialog with the edit and a default OK button, shown and active.
struct TJanela {
    QDialog d;
    TEditTeste *ed = new TEditTeste(&d);
    QPushButton *ok = new QPushButton(QStringLiteral("OK"), &d);
    int cliques = 0;
    TJanela() {
        auto *l = new QVBoxLayout(&d);
        l->addWidget(ed);
        l->addWidget(ok);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
        ed->OnButtonClick = [this] { ++cliques; };
        d.show();
        QApplication::setActiveWindow(&d);
        ed->setFocus();
    }
    void AltBaixo() { QTest::keyClick(ed, Qt::Key_Down, Qt::AltModifier); }
};

TEST(ComboEdit, PopupPlacement) {
    const QSize popup(104, 127);
    const QRect tela(0, 0, 1024, 768);
    struct Caso {
        QRect edit, area;
        TPopupAlign align;
        QPoint esperado;
    } casos[] = {
        {{500, 100, 87, 21}, tela, epaRight, {483, 121}}, // right edges aligned, below
        {{0, 100, 87, 21}, tela, epaRight, {0, 121}},     // the shift would leave the screen
        {{500, 700, 87, 21}, tela, epaRight, {483, 573}}, // no room below: above
        {{930, 100, 87, 21}, tela, epaLeft, {913, 121}},  // left alignment would leave it
        {{10, 100, 87, 21}, tela, epaLeft, {10, 121}},
        {{1000, 100, 87, 21}, tela, epaRight, {920, 121}}, // kept inside on the right
        // A second screen right of the first and one above it.
        {{1925, 100, 87, 21}, {1920, 0, 1280, 1024}, epaRight, {1925, 121}},
        {{100, -30, 87, 21}, {0, -1080, 1920, 1080}, epaRight, {83, -157}},
        // Neither below nor above fits: kept inside the top.
        {{10, 20, 87, 21}, {0, 0, 800, 150}, epaLeft, {10, 0}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(PopupPlace(c.edit, popup, c.area, c.align), c.esperado)
            << c.edit.x() << "," << c.edit.y();
}

TEST(ComboEdit, EllipsisDots) {
    // Width w - 6; dots of side 2 in rows 1 and 2 at x0, x0 + s + 2 and x0 + 2s + 4.
    for (auto [largura, xs] :
         {std::pair{21, std::set<int>{1, 6, 11}}, std::pair{30, std::set<int>{6, 11, 16}},
          std::pair{15, std::set<int>{0, 3, 6}}}) {
        const TKitBitmap b = EllipsisGlyph(largura);
        ASSERT_EQ(b.Largura(), largura - 6);
        ASSERT_EQ(b.Altura(), 4);
        std::set<std::pair<int, int>> pretos, esperados;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < b.Largura(); ++x)
                if (qGray(b.Imagem.pixel(x, y)) < 128)
                    pretos.insert({x, y});
        for (int x : xs)
            for (int y : {1, 2})
                esperados.insert({x, y}), esperados.insert({x + 1, y});
        EXPECT_EQ(pretos, esperados) << largura;
    }
    TJanela j;
    j.ed->SetGlyphKind(gkEllipsis);
    EXPECT_EQ(j.ed->NumGlyphs(), 1);
    EXPECT_EQ(j.ed->Glyph().Largura(), 15);
    j.ed->SetNumGlyphs(3);
    EXPECT_EQ(j.ed->NumGlyphs(), 1);
    j.ed->SetGlyph(EllipsisGlyph(30));
    EXPECT_EQ(j.ed->GlyphKind(), gkCustom);
}

TEST(ComboEdit, ButtonWidthAndClickKey) {
    TEditTeste solto(nullptr);
    EXPECT_EQ(solto.height(), 21);
    EXPECT_GE(solto.minimumHeight(), solto.fontMetrics().height());
    TJanela j;
    EXPECT_TRUE(j.ed->ButtonHolder()->isVisible());
    EXPECT_EQ(j.ed->textMargins().right(), 21 + 2);
    j.ed->SetButtonWidth(1); // holder hidden, the key still works
    EXPECT_FALSE(j.ed->ButtonHolder()->isVisible());
    j.AltBaixo();
    EXPECT_TRUE(j.ed->PopupOpen());
    EXPECT_TRUE(j.ed->P->isVisible());
    EXPECT_TRUE(j.ed->hasFocus()); // the popup leaves the focus in the edit
    EXPECT_TRUE(j.ed->isReadOnly());
    EXPECT_EQ(j.ed->P->Recebido, QVariant()); // an empty text is sent as null
    j.AltBaixo();                             // the key on an open popup closes it accepting
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_FALSE(j.ed->P->isVisible());
    EXPECT_EQ(j.ed->text(), QStringLiteral("42"));
    EXPECT_FALSE(j.ed->isReadOnly());
    EXPECT_EQ(j.cliques, 2);

    j.ed->SetButtonWidth(0);
    j.AltBaixo();
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.cliques, 2);
    j.ed->SetButtonWidth(500); // not below the edit's width: refused
    EXPECT_EQ(j.ed->ButtonWidth(), 0);
}

TEST(ComboEdit, ReadOnlyAndDirectInput) {
    TJanela j;
    j.ed->SetReadOnly(true);
    j.ed->DoClick();
    j.AltBaixo();
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.cliques, 0);

    j.ed->SetReadOnly(false);
    j.ed->SetDirectInput(false);
    j.ed->setText(QStringLiteral("7"));
    QTest::keyClicks(j.ed, QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("99"));
    j.ed->selectAll();
    QTest::keyClick(j.ed, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(j.ed, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(j.ed->text(), QStringLiteral("7"));
    j.AltBaixo(); // the popup still works and passes the text
    EXPECT_EQ(j.ed->P->Recebido, QVariant(QStringLiteral("7")));
    int mudancas = 0;
    j.ed->OnChange = [&] { ++mudancas; };
    QTest::keyClick(j.ed, Qt::Key_Return);
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.ed->text(), QStringLiteral("42"));
    EXPECT_TRUE(j.ed->isModified());
    EXPECT_EQ(mudancas, 1);
    EXPECT_TRUE(j.d.isVisible()); // Enter went to the popup, not the dialog
}

TEST(ComboEdit, ButtonOnOpenPopupAndDialogKeys) {
    TJanela j;
    QWidget *b = j.ed->Button();
    QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_TRUE(j.ed->PopupOpen());
    j.ed->P->Valor = QStringLiteral("8");
    QTest::mouseClick(b, Qt::LeftButton); // closes with the value, does not reopen
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.ed->text(), QStringLiteral("8"));
    EXPECT_EQ(j.cliques, 1);

    // Escape closes without the value; a click elsewhere in the window closes too.
    j.ed->P->Valor = QStringLiteral("9");
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::keyClick(j.ed, Qt::Key_Escape);
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_TRUE(j.d.isVisible());
    j.AltBaixo();
    QTest::mousePress(&j.d, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.ed->text(), QStringLiteral("8"));

    // A release inside the popup accepts.
    j.AltBaixo();
    QTest::mouseClick(j.ed->P, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.ed->text(), QStringLiteral("9"));

    // With no popup open, Enter reaches the dialog's default button.
    j.ed->setFocus();
    QTest::keyClick(j.ed, Qt::Key_Return);
    EXPECT_EQ(j.d.result(), QDialog::Accepted);
    EXPECT_FALSE(j.d.isVisible());
}

} // namespace
