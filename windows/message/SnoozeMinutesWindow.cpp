#include "windows/message/SnoozeMinutesWindow.h"

#include "message/MessageActions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kLeastMinutes = 1;
constexpr int kMostMinutes = 999;

} // namespace

SnoozeMinutesWindow::SnoozeMinutesWindow(const QString& title, int32_t minutes, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Snooze"));
    minutes_ = new QSpinBox(this);
    minutes_->setRange(kLeastMinutes, kMostMinutes);
    minutes_->setValue(minutes == 0 ? kDefaultSnoozeMinutes : minutes);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Snooze for"), this));
    row->addWidget(minutes_);
    row->addWidget(new QLabel(QStringLiteral("minutes"), this));
    row->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(title, this));
    layout->addLayout(row);
}

int32_t SnoozeMinutesWindow::Minutes() const
{
    return minutes_->value();
}

} // namespace vl
