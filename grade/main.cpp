// trelko-grade: grades a whole class's result files against their saved geometries. See --help.

#include <iostream>
#include <string>
#include <vector>

#include "common/Platform.h"
#include "grade/core/GradeMain.h"
#include "translations/Language.h"

int main(int argc, char** argv) {
    sim::platform::UseParentConsole();
    sim::platform::Utf8Arguments(argc, argv);
    sim::SetUpLanguage(argc, argv, std::cerr);
    return sim::GradeMain(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
