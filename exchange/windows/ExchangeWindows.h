#pragma once
// Registers the export and import procedures of the frame's menus.

namespace vl {

void RegisterExchangeProcedures();

} // namespace vl
