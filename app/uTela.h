// The splash window shown while the windows are created, and the about window.
#pragma once

#include <QDialog>
#include <QWidget>

class TfrmTela : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTela(QWidget *pai = nullptr);
};

class TfrmAjudaDARV2DAT : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAjudaDARV2DAT(QWidget *pai = nullptr);
};

extern TfrmAjudaDARV2DAT *frmAjudaDARV2DAT;
