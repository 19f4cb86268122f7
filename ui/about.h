// The About dialog: the logo, the credits and an OK button.
#pragma once

#include <QDialog>

#include "ui_about.h"

class TAboutDlg : public QDialog, public Ui::TAboutDlg {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget *parent = nullptr);
    ~TAboutDlg() override;

    // The close box ends the dialog with 2, OK with 1.
    void reject() override;
};

extern TAboutDlg *AboutDlg;
