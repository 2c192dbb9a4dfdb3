#include "exchange/windows/SynchronizeWindow.h"

#include "exchange/ExchangeProcedures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {
namespace {

const char kCaption[] = "Synchronize";
const char kExplanation[] = "This option allows to securely synchronize two\n"
                            "Velmora databases.  You can write to\n"
                            "or read from a file that can be located on a floppy\n"
                            "disk or other removable media.";

} // namespace

SynchronizeWindow::SynchronizeWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QLatin1String(kCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QLatin1String(kExplanation), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* receive = new QPushButton(tr("&Receive"), this);
    auto* send = new QPushButton(tr("&Send"), this);
    auto* exit = new QPushButton(tr("E&xit"), this);
    for (QPushButton* button : {receive, send, exit}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(receive, &QPushButton::clicked, this, [this] {
        RunSyncReceive();
        accept();
    });
    connect(send, &QPushButton::clicked, this, [this] {
        RunSyncSend();
        accept();
    });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace vl
