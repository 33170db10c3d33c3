// The waits a procedure makes on its main window.
#include "services/MainWindow.h"

#include "common/Cp932.h"

void MainWindow::showDetailsUntilContinued(const std::string& details,
                                           const std::string& frameCaption,
                                           const std::string& buttonCaption) {
    model["txtReadme"].text = details;
    model["fraReadme"].text = frameCaption;
    model["fraReadme"].visible = true;
    model["btnEvent"].text = cp932::lit("続行(&C)");
    model["btnEvent"].enabled = true;
    while (model["btnEvent"].enabled) {
        sleep(200);
        processMessages();
    }
    model["btnEvent"].text = buttonCaption;
    model["fraReadme"].visible = false;
}
