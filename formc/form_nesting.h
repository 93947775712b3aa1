// The nesting state of one form file: how deep the declarations are open,
// the object declared at each level ("Self" for the form), the form's name,
// and whether the form's END has passed. Each operation checks the rules of
// nesting and returns an error message, or null when the line is accepted.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class FormNesting {
  public:
    // The form at level 1 and up to 31 levels of controls.
    static constexpr int32_t MaximumDepth = 32;

    const char *OpenForm(std::string_view name);
    const char *OpenControl(std::string_view name);
    const char *Close();
    // Properties and event handlers need an open declaration.
    const char *CheckProperty() const;
    const char *CheckEventHandler() const;

    int32_t Depth() const { return depth; }
    bool FormDone() const { return formDone; }
    const std::string &FormName() const { return formName; }
    // The object at the current level, and the one that contains it.
    const std::string &Owner() const { return owners[static_cast<size_t>(depth)]; }
    const std::string &Parent() const { return owners[static_cast<size_t>(depth - 1)]; }

  private:
    int32_t depth = 0;
    std::array<std::string, MaximumDepth + 1> owners;
    std::string formName;
    bool formDone = false;
};
