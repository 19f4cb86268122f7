#include "about.h"

#include "widgets.h"

TAboutDlg *AboutDlg = nullptr;

TAboutDlg::TAboutDlg(QWidget *parent) : QDialog(parent)
{
    AboutDlg = this;
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setpixelheight(this, 11);
    setpixelheight(Label1, 24);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(1); });
}

TAboutDlg::~TAboutDlg()
{
    if (AboutDlg == this)
        AboutDlg = nullptr;
}

void TAboutDlg::reject()
{
    done(2);
}
