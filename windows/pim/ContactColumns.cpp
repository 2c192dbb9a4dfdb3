#include "windows/pim/ContactColumns.h"

namespace vl {

const std::vector<ListColumn>& ContactListColumns()
{
    static const std::vector<ListColumn> columns = {
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
        {"C_:ClientID", "ClientID", "@n-13", "Contact ID", 52, kHiddenColumn},
    };
    return columns;
}

const std::vector<ListColumn>& CategoryContactColumns()
{
    static const std::vector<ListColumn> columns = {
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
        {"C_:ClientID", "ClientID", "@n-13", "Contact ID", 52, kHiddenColumn},
        {"C_:ContactCategory", "Contact Category", "@s20", "Contact Category", 80, kHiddenColumn},
    };
    return columns;
}

} // namespace vl
