#include "config.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "state.h"
#include "widgets.h"

TConfigDlg *ConfigDlg = nullptr;

int decimalvalue(const QString &text)
{
    // strtol reads exactly this form and saturates on overflow; long is wider
    // than 32 bits here, so clamping gives the nearest 32-bit limit.
    const QByteArray bytes = text.toLatin1();
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

TConfigDlg::TConfigDlg(QWidget *parent) : QDialog(parent)
{
    ConfigDlg = this;
    setupUi(this);
    setpixelheight(this, 11);
    setpixelheight(Label8, 16);
    autosizelabels(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    // The first control in tab order has the focus when the dialog opens.
    OKBtn->setFocus();
    connect(OKBtn, &QPushButton::clicked, this, &TConfigDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TConfigDlg::CancelBtnClick);
}

TConfigDlg::~TConfigDlg()
{
    if (ConfigDlg == this)
        ConfigDlg = nullptr;
}

void TConfigDlg::loadsettings()
{
    player1->setCurrentIndex(playertype[0]);
    player2->setCurrentIndex(playertype[1]);
    heuristic1->setCurrentIndex(heuristic[0]);
    heuristic2->setCurrentIndex(heuristic[1]);
    optmovegen1->setChecked(optmovegen[0]);
    optmovegen2->setChecked(optmovegen[1]);
    sortmoves1->setChecked(sortmoves[0]);
    sortmoves2->setChecked(sortmoves[1]);
    bestmovefirst1->setChecked(bestmovefirst[0]);
    bestmovefirst2->setChecked(bestmovefirst[1]);
}

void TConfigDlg::storesettings()
{
    playertype[0] = player1->currentIndex() == 1 ? 1 : 0;
    playertype[1] = player2->currentIndex() == 1 ? 1 : 0;
    heuristic[0] = heuristic1->currentIndex();
    heuristic[1] = heuristic2->currentIndex();
    optmovegen[0] = optmovegen1->isChecked();
    optmovegen[1] = optmovegen2->isChecked();
    sortmoves[0] = sortmoves1->isChecked();
    sortmoves[1] = sortmoves2->isChecked();
    bestmovefirst[0] = bestmovefirst1->isChecked();
    bestmovefirst[1] = bestmovefirst2->isChecked();
    // A deep search freezes the window for as long as it runs.
    plies[0] = std::min(decimalvalue(plies1->text()), maxplies);
    plies[1] = std::min(decimalvalue(plies2->text()), maxplies);
    blinks = decimalvalue(noofblinks->text());
}

void TConfigDlg::reject()
{
    done(2);
}

void TConfigDlg::OKBtnClick()
{
    done(1);
}

void TConfigDlg::CancelBtnClick()
{
    done(2);
}
