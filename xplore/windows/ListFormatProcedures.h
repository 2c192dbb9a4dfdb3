#pragma once
// Registers the windows that format an Xplore list and graph its columns
// (XploreProcedures.h): "Format Listbox...", "Column Colors" and the graph
// of a column. A program with Xplore lists calls this once at start.

namespace vl {

void RegisterListFormatProcedures();

} // namespace vl
