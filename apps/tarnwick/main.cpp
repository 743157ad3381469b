#include "Application.h"
#include "TarnwickProgram.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quickview::StartTarnwick();
    Application->Run();
    return 0;
}
