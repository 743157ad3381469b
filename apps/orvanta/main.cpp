#include "Application.h"
#include "OrvantaProgram.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StartOrvanta();
    Application->Run();
    return 0;
}
