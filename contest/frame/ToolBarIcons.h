// The tool bar's button images and the program icon, drawn in code so that no image files or
// image plugins are needed.
#pragma once

#include <QIcon>

class ToolBarIcons {
public:
    enum class Kind {
        newFile,
        open,
        save,
        print,
        preview,
        printPosition,
        masterSettings,
        contestSettings,
        search,
        about,
        contextHelp,
    };

    static QIcon icon(Kind kind);
    static QIcon programIcon();
};
