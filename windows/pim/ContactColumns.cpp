#include "windows/pim/ContactColumns.h"

namespace vl {

const std::vector<ContactColumn>& ContactListColumns()
{
    static const std::vector<ContactColumn> columns = {
        {"C_:LastName", "Last Name", "@s30", "Last Name", 62},
        {"C_:FirstName", "First Name", "@s20", "First Name", 71},
        {"C_:Email", "Email", "@s40", "Email Address", 85},
        {"C_:WorkDayPhone", "Work/Day Phone", "@s20", "Work/Day Phone", 67},
        {"C_:HomeEveningPhone", "Home/Evening Phone", "@s20", "Home/Evening Phone", 77},
        {"C_:Fax", "Fax", "@s20", "Fax Number", 80},
        {"C_:ContactCategory", "Contact Category", "@s20", "Contact Category", 80},
        {"C_:AddressLine1", "Address Line 1", "@s30", "Address Line 1", 80},
        {"C_:AddressLine2", "Address Line 2", "@s30", "Address Line 2", 80},
        {"C_:AddressLine3", "Address Line 3", "@s30", "Address Line 3", 80},
        {"C_:PostalCode", "Postal Code", "@s10", "Postal Code", 48},
        {"C_:ClientID", "ClientID", "@n-13", "Contact ID", 52, false},
    };
    return columns;
}

const std::vector<ContactColumn>& CategoryContactColumns()
{
    static const std::vector<ContactColumn> columns = {
        {"C_:FirstName", "First Name", "@s20", "First Name", 80},
        {"C_:LastName", "Last Name", "@s30", "Last Name", 120},
        {"C_:Email", "Email", "@s40", "Email Address", 160},
        {"C_:AddressLine1", "Address Line 1", "@s30", "Address Line 1", 120},
        {"C_:AddressLine2", "Address Line 2", "@s30", "Address Line 2", 120},
        {"C_:AddressLine3", "Address Line 3", "@s30", "Address Line 3", 120},
        {"C_:PostalCode", "Postal Code", "@s10", "Postal Code", 40},
        {"C_:WorkDayPhone", "Work/Day Phone", "@s20", "Work/Day Phone", 80},
        {"C_:HomeEveningPhone", "Home/Evening Phone", "@s20", "Home/Evening Phone", 80},
        {"C_:Fax", "Fax", "@s20", "Fax Number", 80},
        {"C_:ClientID", "ClientID", "@n-13", "Contact ID", 52, false},
        {"C_:ContactCategory", "Contact Category", "@s20", "Contact Category", 80, false},
    };
    return columns;
}

std::vector<BrowseColumn> BrowseColumnsOf(const std::vector<ContactColumn>& columns)
{
    std::vector<BrowseColumn> browse;
    for (const ContactColumn& column : columns)
        browse.push_back({QLatin1String(column.field), QLatin1String(column.header), QLatin1String(column.picture)});
    return browse;
}

ColumnTableXplore::ColumnTableXplore(const std::vector<ContactColumn>& columns, QObject* parent) : Xplore(parent)
{
    for (const ContactColumn& column : columns) {
        ColumnDefinition definition;
        definition.field = QLatin1String(column.field);
        definition.header = QLatin1String(column.header);
        definition.picture = QLatin1String(column.picture);
        definition.description = QLatin1String(column.description);
        definition.width = column.width;
        definition.displayed = column.displayed;
        definition.sortable = true;
        definitions_.push_back(definition);
    }
}

} // namespace vl
