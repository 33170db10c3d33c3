// Names around the contest document: the window title and the file name the save dialog returns.
#pragma once

#include <string>

class DocumentNames {
public:
    // "<document name> - Korvane" (CP932), as a single-document window is titled.
    static std::string windowTitle(const std::string& documentTitle);

    // The host path with ".con" added when its file name has no extension.
    static std::string withDefaultExtension(const std::string& hostPath);

    // The file dialogs' filter name (CP932) and its pattern.
    static const std::string& filterName();
    static constexpr const char* kPattern = "*.con";
    static constexpr const char* kExtension = ".con";
};
