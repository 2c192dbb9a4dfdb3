#pragma once
// The windows an Xplore list opens from its popup but that are built apart
// from it (the graph, printing, the exports, "Format Listbox..." and the
// column colours), by name, the way the frame's menus start procedures
// (platform/widgets/FrameProcedures.h). A popup item whose procedure is not
// registered is disabled.

#include <QString>

#include <functional>
#include <map>

namespace vl {

class Xplore;

namespace XploreProcedure {
inline constexpr char kGraphWindow[] = "GraphWindow";
inline constexpr char kPrintList[] = "PrintList";   // argument "View" (all) or "Page"
inline constexpr char kExportAscii[] = "ExportAscii";
inline constexpr char kExportHtml[] = "ExportHtml";
inline constexpr char kFormatListboxWindow[] = "FormatListboxWindow";
inline constexpr char kColumnColorsWindow[] = "ColumnColorsWindow";
} // namespace XploreProcedure

class XploreProcedures {
public:
    // Runs on the list whose popup chose it, with the command's argument.
    using Procedure = std::function<void(Xplore& list, const QString& argument)>;

    // A later registration under the same name replaces the earlier one.
    void Register(const QString& name, Procedure run);
    void Unregister(const QString& name);
    bool Has(const QString& name) const;
    // False when none is registered under the name.
    bool Run(const QString& name, Xplore& list, const QString& argument) const;

private:
    std::map<QString, Procedure> procedures_;
};

// The program's Xplore procedures.
XploreProcedures& XploreWindowProcedures();

} // namespace vl
