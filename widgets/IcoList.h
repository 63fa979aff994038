// An owned list of icons that streams as one binary property ("Icons"): a count, then per entry
// the size and bytes of the icon's file image (0 for an empty entry).
#pragma once

#include "Icone.h"

#include <QByteArray>

#include <functional>
#include <memory>
#include <vector>

class TIconList {
public:
    TIconList() = default;
    ~TIconList();
    TIconList(const TIconList &) = delete;
    TIconList &operator=(const TIconList &) = delete;

    int Count() const { return int(FIcones.size()); }
    // Entry i (none for an empty entry).
    TIcon *Items(int i) const;
    // Copies `icone` into entry i; i == Count appends an empty entry first.
    void SetItems(int i, const TIcon &icone);

    int Add(const TIcon &icone);
    int AddResource(const QString &nome);
    void Insert(int i, const TIcon &icone);
    void InsertResource(int i, const QString &nome);
    void Delete(int i);
    void Clear();
    void Exchange(int i, int j);
    void Move(int de, int para);
    int IndexOf(const TIcon *icone) const;

    void Assign(const TIconList &outra);
    void Assign(const TIcon &icone);

    void LoadFromStream(const QByteArray &dados);
    QByteArray SaveToStream() const;
    // Whether the property is stored: no ancestor and entries, or different from the ancestor.
    bool Stored(const TIconList *ancestral) const;

    void BeginUpdate() { ++FAtualizando; }
    void EndUpdate();

    std::function<void(TIconList &)> OnChange;

protected:
    virtual void Changed();

private:
    void Verifica(int i, bool permiteFim) const;
    std::unique_ptr<TIcon> Copia(const TIcon &icone);
    void Liga(TIcon &icone);

    std::vector<std::unique_ptr<TIcon>> FIcones;
    int FAtualizando = 0;
};
