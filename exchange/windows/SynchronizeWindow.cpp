#include "exchange/windows/SynchronizeWindow.h"

#include "exchange/ExchangeProcedures.h"
#include "exchange/windows/RunProgressWindow.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {
namespace {

const char kCaption[] = "Synchronize";
const char kExplanation[] = "This option allows to securely synchronize two Velmora databases.  You can write to "
                            "or read from a file that can be located on a floppy disk or other removable media.";
const char kProgressCaption[] = "Processing Records";
const char kSendingText[] = "Sending";

} // namespace

SynchronizeWindow::SynchronizeWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QLatin1String(kCaption));
    setWindowIcon(LoadIcon(QStringLiteral("WINPYR.ICO")));
    KeepWindowPosition(*this, QLatin1String(kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(QLatin1String(kExplanation), this);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(explanation->fontMetrics().averageCharWidth() * 64);
    layout->addWidget(explanation);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* receive = new QPushButton(tr("&Receive"), this);
    auto* send = new QPushButton(tr("&Send"), this);
    auto* exit = new QPushButton(LoadIcon(QStringLiteral("EXIT.ICO")), tr("E&xit"), this);
    for (QPushButton* button : {receive, send, exit}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(receive, &QPushButton::clicked, this, [this] {
        RunSyncReceive(ProgressWindow(QLatin1String(kProgressCaption), QString(), QStringLiteral("SyncReceive"), this));
        accept();
    });
    connect(send, &QPushButton::clicked, this, [this] {
        RunSyncSend(ProgressWindow(QLatin1String(kProgressCaption), QLatin1String(kSendingText),
                                   QStringLiteral("SyncSend"), this));
        accept();
    });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace vl
