// The configuration dialog: loads the settings of both players (game/state.h)
// into its controls and stores them back when closed with OK.
#pragma once

#include <QDialog>

#include "ui_config.h"

// Deepest search the dialog stores; larger entries are stored as this. With
// all speed options on, eight plies take 0.9 s per move on average over the
// benchmark's mid-game positions (1.7 s at worst); nine take 4 s (8 s at
// worst). The help page (resources/index.htm, "plies") states the same number.
constexpr int maxplies = 8;

// Decimal value of an edit's text: leading white space, an optional sign,
// then digits up to the first non-digit. No digit gives 0; values beyond the
// 32-bit range give the nearest 32-bit limit.
int decimalvalue(const QString &text);

class TConfigDlg : public QDialog, public Ui::TConfigDlg {
    Q_OBJECT
public:
    explicit TConfigDlg(QWidget *parent = nullptr);
    ~TConfigDlg() override;

    // Lists and check boxes from the settings; the edits keep their text.
    void loadsettings();
    // Every setting from the controls.
    void storesettings();

    // Escape and the close box end the dialog like Cancel.
    void reject() override;

public slots:
    void OKBtnClick();
    void CancelBtnClick();
};

extern TConfigDlg *ConfigDlg;
