// Copying the print offsets in and out, and refusing boxes that hold no integer.
#include "print/PrintPositionForm.h"

#include "app/ProgramTitle.h"
#include "common/IntegerText.h"

PrintPositionForm PrintPositionForm::fromSettings(const MasterSettings& settings) {
    return PrintPositionForm{{std::to_string(settings.printX), std::to_string(settings.printY)}};
}

int PrintPositionForm::confirm(Prompter& prompter) const {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!IntegerText::parse(boxes[i])) {
            prompter.ask(IntegerText::notIntegerMessage(), kProgramTitle,
                         Prompter::Icon::exclamation);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PrintPositionForm::toSettings(MasterSettings& settings) const {
    if (auto x = IntegerText::parse(boxes[0])) {
        settings.printX = *x;
    }
    if (auto y = IntegerText::parse(boxes[1])) {
        settings.printY = *y;
    }
}
