// The program's window set: every window created once, in the start-up order, with its global
// pointer set, registered with the main window for the commands that open it, and each dialog's
// result bound to its receiver when the main window is first shown.
#pragma once

class TfrmMalha;

class TJanelas {
public:
    // Creates the main window, then every other window.
    TJanelas();
    // Frees every window, the main window last.
    ~TJanelas();
    TJanelas(const TJanelas &) = delete;
    TJanelas &operator=(const TJanelas &) = delete;

    TfrmMalha &Principal() const;

private:
    void Cria();
    // The dialogs' results to the main window's receivers (its first showing).
    void Liga();
};
