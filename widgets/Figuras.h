// The picture classes' common base and the program's registries of picture formats: file
// extensions with their description and class, and clipboard formats with the class that
// takes them. Picture formats register themselves at start-up.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QMimeData;
class QPainter;

class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int w) = 0;
    virtual void SetHeight(int h) = 0;
    virtual void Draw(QPainter &p, const QRect &destino) const = 0;

    virtual void LoadFromStream(const QByteArray &dados) = 0;
    virtual QByteArray SaveToStream() const = 0;
    // Clipboard: what the picture puts there, and whether it took something from there.
    virtual void SaveToClipboard(QMimeData &dados) const = 0;
    virtual void LoadFromClipboard(const QMimeData &dados) = 0;

    bool Transparent() const { return FTransparente; }
    void SetTransparent(bool t) { FTransparente = t; }

    // Fired when the picture changes.
    std::function<void()> OnChange;

protected:
    void Changed() {
        if (OnChange)
            OnChange();
    }

private:
    bool FTransparente = false;
};

using TFabricaFigura = std::function<std::unique_ptr<TGraphic>()>;

struct TFormatoArquivo {
    QString Extensao, Descricao, Classe;
    TFabricaFigura Cria;
};

struct TFormatoClipboard {
    QString Formato, Classe;
    TFabricaFigura Cria;
};

// File formats: registering an extension again replaces it.
void RegistraFormatoArquivo(const TFormatoArquivo &f);
void RemoveFormatosDaClasse(const QString &classe);
const std::vector<TFormatoArquivo> &FormatosArquivo();
// Filter text for file dialogs, e.g. "CompuServe GIF Image (*.gif)".
QString FiltroFormatos();
// A new picture of the class registered for the file's extension (any letter case), or none.
std::unique_ptr<TGraphic> CriaFiguraPorExtensao(const QString &arquivo);

// Clipboard formats, in registration order.
void RegistraFormatoClipboard(const TFormatoClipboard &f);
const std::vector<TFormatoClipboard> &FormatosClipboard();
// A picture taken from clipboard data by the first registered format it holds, or none.
std::unique_ptr<TGraphic> FiguraDoClipboard(const QMimeData &dados);
