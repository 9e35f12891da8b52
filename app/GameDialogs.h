// The standard dialogs the game asks its questions with, in one place.
#pragma once

#include <string>

// A plain message box: the text and an "OK" button.
void ShowGameMessage(const std::string& text);
// The information dialog ("Information", one "OK" button); true when it was answered with OK,
// false when it was closed any other way.
bool AskInformation(const std::string& text);
// The input box; an empty text when it was cancelled.
std::string AskText(const std::string& caption, const std::string& prompt);
