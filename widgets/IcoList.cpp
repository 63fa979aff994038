#include "IcoList.h"

#include "ErrosFormato.h"
#include "ListaIconesFluxo.h"

TIconList::~TIconList() {
    for (auto &i : FIcones)
        if (i)
            i->OnChange = nullptr;
}

void TIconList::Verifica(int i, bool permiteFim) const {
    if (i < 0 || i > Count() || (i == Count() && !permiteFim))
        throw EListError(i);
}

void TIconList::Changed() {
    if (FAtualizando == 0 && OnChange)
        OnChange(*this);
}

void TIconList::EndUpdate() {
    if (FAtualizando > 0 && --FAtualizando == 0)
        Changed();
}

void TIconList::Liga(TIcon &icone) {
    icone.OnChange = [this] { Changed(); };
}

std::unique_ptr<TIcon> TIconList::Copia(const TIcon &icone) {
    auto c = std::make_unique<TIcon>();
    c->Assign(icone);
    Liga(*c);
    return c;
}

TIcon *TIconList::Items(int i) const {
    Verifica(i, false);
    return FIcones[std::size_t(i)].get();
}

void TIconList::SetItems(int i, const TIcon &icone) {
    Verifica(i, true);
    BeginUpdate();
    try {
        if (i == Count())
            FIcones.emplace_back();
        auto &e = FIcones[std::size_t(i)];
        if (!e) {
            e = std::make_unique<TIcon>();
            Liga(*e);
        }
        e->Assign(icone);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TIconList::Add(const TIcon &icone) {
    FIcones.push_back(Copia(icone));
    Changed();
    return Count() - 1;
}

int TIconList::AddResource(const QString &nome) {
    TIcon i;
    i.LoadFromResource(nome);
    return Add(i);
}

void TIconList::Insert(int i, const TIcon &icone) {
    Verifica(i, true);
    FIcones.insert(FIcones.begin() + i, Copia(icone));
    Changed();
}

void TIconList::InsertResource(int i, const QString &nome) {
    TIcon icone;
    icone.LoadFromResource(nome);
    Insert(i, icone);
}

void TIconList::Delete(int i) {
    Verifica(i, false);
    if (FIcones[std::size_t(i)])
        FIcones[std::size_t(i)]->OnChange = nullptr;
    FIcones.erase(FIcones.begin() + i);
    Changed();
}

void TIconList::Clear() {
    BeginUpdate();
    while (Count() > 0)
        Delete(Count() - 1);
    EndUpdate();
}

void TIconList::Exchange(int i, int j) {
    Verifica(i, false);
    Verifica(j, false);
    std::swap(FIcones[std::size_t(i)], FIcones[std::size_t(j)]);
    Changed();
}

void TIconList::Move(int de, int para) {
    Verifica(de, false);
    Verifica(para, false);
    auto item = std::move(FIcones[std::size_t(de)]);
    FIcones.erase(FIcones.begin() + de);
    FIcones.insert(FIcones.begin() + para, std::move(item));
    Changed();
}

int TIconList::IndexOf(const TIcon *icone) const {
    for (int i = 0; i < Count(); ++i)
        if (FIcones[std::size_t(i)].get() == icone)
            return i;
    return -1;
}

void TIconList::Assign(const TIconList &outra) {
    if (&outra == this)
        return;
    BeginUpdate();
    Clear();
    for (const auto &i : outra.FIcones) {
        if (i)
            FIcones.push_back(Copia(*i));
        else
            FIcones.emplace_back();
    }
    EndUpdate();
}

void TIconList::Assign(const TIcon &icone) {
    BeginUpdate();
    Clear();
    Add(icone);
    EndUpdate();
}

void TIconList::LoadFromStream(const QByteArray &dados) {
    BeginUpdate();
    // The update ends whatever happens; what was read stays.
    struct TFim {
        TIconList &l;
        ~TFim() { l.EndUpdate(); }
    } fim{*this};
    Clear();
    LeListaIcones({dados.constData(), std::size_t(dados.size())}, [this](std::string_view b) {
        if (b.empty()) {
            FIcones.emplace_back();
            return;
        }
        auto i = std::make_unique<TIcon>();
        i->LoadFromStream(QByteArray(b.data(), qsizetype(b.size())));
        Liga(*i);
        FIcones.push_back(std::move(i));
    });
}

QByteArray TIconList::SaveToStream() const {
    std::vector<std::vector<std::uint8_t>> entradas;
    for (const auto &i : FIcones) {
        if (i && !i->Empty()) {
            const QByteArray b = i->SaveToStream();
            entradas.emplace_back(b.begin(), b.end());
        } else {
            entradas.emplace_back();
        }
    }
    const auto o = EscreveListaIcones(entradas);
    return QByteArray(reinterpret_cast<const char *>(o.data()), qsizetype(o.size()));
}

bool TIconList::Stored(const TIconList *ancestral) const {
    if (!ancestral)
        return Count() > 0;
    if (ancestral->Count() != Count())
        return true;
    for (int i = 0; i < Count(); ++i) {
        const TIcon *a = FIcones[std::size_t(i)].get(),
                    *b = ancestral->FIcones[std::size_t(i)].get();
        const QByteArray da = a ? a->SaveToStream() : QByteArray();
        const QByteArray db = b ? b->SaveToStream() : QByteArray();
        if (da != db)
            return true;
    }
    return false;
}
