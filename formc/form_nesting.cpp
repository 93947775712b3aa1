#include "form_nesting.h"

#include "form_messages.h"

const char *FormNesting::OpenForm(std::string_view name)
{
    if (depth >= 1)
        return FormMessage::FormInsideForm;
    depth = 1;
    formName.assign(name);
    owners[1] = "Self";
    return nullptr;
}

const char *FormNesting::OpenControl(std::string_view name)
{
    if (depth == 0)
        return FormMessage::ControlOutsideForm;
    if (depth >= MaximumDepth)
        return FormMessage::NestingTooDeep;
    ++depth;
    owners[static_cast<size_t>(depth)].assign(name);
    return nullptr;
}

const char *FormNesting::Close()
{
    if (depth == 0)
        return FormMessage::OddEnd;
    --depth;
    formDone = depth == 0;
    return nullptr;
}

const char *FormNesting::CheckProperty() const
{
    return depth == 0 ? FormMessage::PropertyOutsideForm : nullptr;
}

const char *FormNesting::CheckEventHandler() const
{
    return depth == 0 ? FormMessage::EventOutsideDeclaration : nullptr;
}
