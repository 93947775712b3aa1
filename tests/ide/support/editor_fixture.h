// A main form of its own for each test, a scratch folder for its files and
// an answerer for the dialogs its commands open.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "../../runtime/scratch_directory.h"
#include "dialog_answerer.h"
#include "isolated_settings.h"
#include "main_form.h"

// What a document command may change.
struct DocumentState {
    std::string caption;
    std::string fileName;
    std::string text;
    bool saveEnabled;
    bool modified;

    bool operator==(const DocumentState &other) const
    {
        return caption == other.caption && fileName == other.fileName && text == other.text &&
               saveEnabled == other.saveEnabled && modified == other.modified;
    }
};

std::ostream &operator<<(std::ostream &out, const DocumentState &state);

class EditorTest : public ::testing::Test {
  protected:
    // Runs the menu command as a click or its accelerator does, through the
    // form's window and the menus' command routing.
    void Command(KVMENUITEM &item);
    // Types the characters into the memo at the caret.
    void Type(const std::string &text);
    DocumentState State();
    std::string Path(const std::string &name) const { return scratch.File(name); }
    // Opens a file through File > Open.
    void OpenThroughDialog(const std::string &path);

    ScratchDirectory scratch;
    IsolatedSettings settings;
    KVMAINFORM form;
    DialogAnswerer answers;
};

std::string Text(const KVSTRING &s);
