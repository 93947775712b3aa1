#include "preview_classes.h"

#include <iterator>
#include <type_traits>

#include "kvbutton.h"
#include "kvedit.h"
#include "kvfiledialog.h"
#include "kvform.h"
#include "kvtimer.h"
#include "text_view.h"

namespace {

template <typename Member> struct SetterTraits;
template <typename Class, typename Argument> struct SetterTraits<void (Class::*)(Argument)> {
    using Target = Class;
    using Value = std::remove_cv_t<std::remove_reference_t<Argument>>;
};

// Calls the setter `Set` with the literal, when the literal's kind is the
// kind of the setter's parameter: text, truth or a number.
template <auto Set> bool Apply(const PreviewTarget &target, const Literal &value)
{
    using Traits = SetterTraits<decltype(Set)>;
    using Class = typename Traits::Target;
    using Value = typename Traits::Value;
    Class *object;
    if constexpr (std::is_same_v<Class, KVMENUITEM>)
        object = target.item;
    else
        object = static_cast<Class *>(target.control);
    if constexpr (std::is_same_v<Value, KVSTRING>) {
        if (value.kind != LiteralKind::Text)
            return false;
        KVSTRING text = value.text;
        (object->*Set)(text);
    } else if constexpr (std::is_same_v<Value, KvBool>) {
        if (value.kind != LiteralKind::Truth)
            return false;
        (object->*Set)(value.truth);
    } else {
        if (value.kind != LiteralKind::Number)
            return false;
        (object->*Set)(static_cast<Value>(value.number));
    }
    return true;
}

const SetterList ControlSetters = {
    {"Caption", Apply<&KVCONTROL::SetCaption>}, {"Visible", Apply<&KVCONTROL::SetVisible>},
    {"Enabled", Apply<&KVCONTROL::SetEnabled>}, {"TextColor", Apply<&KVCONTROL::SetTextColor>},
    {"Color", Apply<&KVCONTROL::SetColor>},
};

// The preview window itself is shown at the end without taking the
// activation, and stays enabled so that its close box and Alt+F4 close it:
// of the form's own Visible and Enabled lines, True is what it shows and
// False is not previewed. Listed before the control setters, which would
// show and activate the window or disable it.
bool ShownAndEnabled(const PreviewTarget &, const Literal &value)
{
    return value.kind == LiteralKind::Truth && value.truth;
}

const SetterList FormStateSetters = {
    {"Visible", ShownAndEnabled},
    {"Enabled", ShownAndEnabled},
};

// Not Icon, which reads a file, nor WindowState, which would show the form
// minimised or maximised before it is placed.
const SetterList FormSetters = {
    {"BorderStyle", Apply<&KVFORM::SetBorderStyle>}, {"MinimizeBox", Apply<&KVFORM::SetMinimizeBox>},
    {"MaximizeBox", Apply<&KVFORM::SetMaximizeBox>}, {"ControlBox", Apply<&KVFORM::SetControlBox>},
    {"ClientWidth", Apply<&KVFORM::SetClientWidth>}, {"ClientHeight", Apply<&KVFORM::SetClientHeight>},
};

const SetterList ButtonSetters = {
    {"State", Apply<&KVBUTTON::SetState>},
    {"Value", Apply<&KVBUTTON::SetValue>},
    {"PushLike", Apply<&KVBUTTON::SetPushLike>},
    {"Flat", Apply<&KVBUTTON::SetFlat>},
};

const SetterList EditSetters = {
    {"Text", Apply<&KVEDIT::SetText>},
    {"PasswordChar", Apply<&KVEDIT::SetPasswordChar>},
    {"MaxLength", Apply<&KVEDIT::SetMaxLength>},
    {"ReadOnly", Apply<&KVEDIT::SetReadOnly>},
    {"HideSelection", Apply<&KVEDIT::SetHideSelection>},
};

const SetterList MemoSetters = {
    {"TabWidth", Apply<&KVMEMO::SetTabWidth>},
};

constexpr auto SetShortcut = static_cast<void (KVMENUITEM::*)(KVSTRING &)>(&KVMENUITEM::SetShortcut);

const SetterList MenuItemSetters = {
    {"Caption", Apply<&KVMENUITEM::SetCaption>},
    {"Enabled", Apply<&KVMENUITEM::SetEnabled>},
    {"Checked", Apply<&KVMENUITEM::SetChecked>},
    {"Separator", Apply<&KVMENUITEM::SetSeparator>},
    {"ShortCut", Apply<SetShortcut>},
};

template <typename Control> std::unique_ptr<KVCONTROL> Make() { return std::make_unique<Control>(); }

const std::vector<PreviewClass> Classes = {
    {"KvButton", PreviewKind::Control, Make<KVBUTTON>, true, {&ControlSetters, &ButtonSetters}},
    {"KvLabel", PreviewKind::Control, Make<KVLABEL>, true, {&ControlSetters}},
    {"KvEdit", PreviewKind::Control, Make<KVEDIT>, true, {&ControlSetters, &EditSetters}},
    {"KvMemo", PreviewKind::Control, Make<KVMEMO>, true, {&ControlSetters, &EditSetters, &MemoSetters}},
    {"KvMainMenu", PreviewKind::MainMenu, nullptr, false, {}},
    {"KvMenu", PreviewKind::MenuItem, nullptr, false, {&MenuItemSetters}},
    {"KvMenuItem", PreviewKind::MenuItem, nullptr, false, {&MenuItemSetters}},
    {"KvTimer", PreviewKind::Invisible, nullptr, false, {}},
    {"KvFileDialog", PreviewKind::Invisible, nullptr, false, {}},
};

const PreviewClass Form = {
    "Form", PreviewKind::Control, nullptr, true, {&FormStateSetters, &ControlSetters, &FormSetters}};

// Made by the builder, which gives it its label; it has only its place.
const PreviewClass Placeholder = {"", PreviewKind::Control, nullptr, true, {}};

} // namespace

const PreviewClass *FindPreviewClass(std::string_view type)
{
    for (const PreviewClass &candidate : Classes) {
        if (SameIgnoringCase(type, candidate.typeName))
            return &candidate;
    }
    return nullptr;
}

const PreviewClass &FormPreviewClass() { return Form; }

const PreviewClass &PlaceholderPreviewClass() { return Placeholder; }

std::optional<PlaceField> FindPlaceProperty(const PreviewClass &type, std::string_view property)
{
    static const char *const Names[] = {"Left", "Top", "Width", "Height"};
    if (!type.placed)
        return std::nullopt;
    for (size_t k = 0; k < std::size(Names); ++k) {
        if (SameIgnoringCase(property, Names[k]))
            return static_cast<PlaceField>(k);
    }
    return std::nullopt;
}

bool ApplyProperty(const PreviewClass &type, const PreviewTarget &target, std::string_view property,
                   const Literal &value)
{
    for (const SetterList *list : type.setters) {
        for (const PropertySetter &setter : *list) {
            if (SameIgnoringCase(property, setter.name))
                return setter.apply(target, value);
        }
    }
    return false;
}
