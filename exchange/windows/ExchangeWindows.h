#pragma once
// Registers the export, import and synchronisation procedures of the
// frame's menus.

namespace vl {

void RegisterExchangeProcedures();

} // namespace vl
