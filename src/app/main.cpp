#include "app/EcholonApplication.h"
#include "app/Program.h"

int main(int argc, char** argv) {
    app::EcholonApplication app(argc, argv);
    return app::runProgram(app);
}
