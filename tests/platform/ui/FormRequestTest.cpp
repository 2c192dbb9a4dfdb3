// The caption a form shows for each request.

#include "platform/ui/FormRequest.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(FormRequestTest, CaptionsFollowTheRequest)
{
    const struct {
        FormRequest request;
        const char* change;
        const char* caption;
    } cases[] = {
        {FormRequest::Insert, "Edit Holiday", "New Holiday"},  {FormRequest::Change, "Edit Holiday", "Edit Holiday"},
        {FormRequest::View, "Edit Holiday", "View Holiday"},   {FormRequest::Delete, "Edit Holiday", "Delete Holiday"},
        {FormRequest::View, "Edit Task Category", "View Task Category"}, {FormRequest::View, "Edit", "View"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormCaption(c.request, "New Holiday", c.change), c.caption) << c.change;
}

} // namespace
} // namespace vl
