#pragma once
// Makes the "&Output" items of every Xplore list of the program work:
// "Print All", "Print Page", "Export to ASCII" and "Export to HTML".

namespace vl {

void RegisterListOutputProcedures();

} // namespace vl
