#include "app/quoteapp.h"

int main(int argc, char** argv) {
    sorvanta::CQuoteApp app(argc, argv);
    app.InitInstance();
    return app.ExitCode();
}
