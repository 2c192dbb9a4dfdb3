#include "exchange/windows/ExchangeWindows.h"

#include "exchange/windows/ExportFieldsWindow.h"
#include "exchange/windows/ImportFieldsWindow.h"
#include "exchange/windows/SynchronizeWindow.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterExchangeProcedures()
{
    for (ExchangeTable table : {ExchangeTable::Schedule, ExchangeTable::Contacts, ExchangeTable::Todo}) {
        const ExchangeTableInfo& info = ExchangeInfo(table);
        Procedures().RegisterModal(info.exportProcedure, [table](QWidget* frame) {
            ExportFieldsWindow window(table, frame);
            window.exec();
        });
        Procedures().RegisterModal(info.importProcedure, [table](QWidget* frame) { ImportProcedure(table, frame); });
    }
    Procedures().RegisterModal(QStringLiteral("Synchronize"), [](QWidget* frame) {
        SynchronizeWindow window(frame);
        window.exec();
    });
}

} // namespace vl
