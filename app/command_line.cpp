#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kUsage[] =
    "Upotreba: konika [-h | --help | --version] [-t | --tacno] [--latex]\n"
    "                 [-j JEDNACINA | --jednacina JEDNACINA] [opcije GLUT-a]\n"
    "\n"
    "konika svodi krivu drugog reda na kanonski oblik i crta je. Pita za sest\n"
    "koeficijenata jednacine a*X^2 + b*XY + c*Y^2 + d*X + e*Y + f = 0\n"
    "(uz X^2, XY, Y^2, X, Y i slobodan clan), ispisuje svaki korak svodjenja\n"
    "(translacija, rotacija, zamena osa) i zatim u prozoru crta kanonsku krivu\n"
    "i koordinatne sisteme svodjenja.\n"
    "\n"
    "Umesto prvog broja moze se uneti cela jednacina, kako se pise u zbirci,\n"
    "na primer x^2/9 + y^2/4 = 1, (x - 2)^2 + (y + 1)^2 = 4 ili xy = 1.\n"
    "\n"
    "Opcije:\n"
    "  -h, --help    ispisuje ovo uputstvo\n"
    "  --version     ispisuje verziju\n"
    "  -t, --tacno   posle koraka ispisuje i tacno resenje: razlomci, koreni,\n"
    "                invarijante, centar, ugao, kanonski oblik i elementi krive\n"
    "  --latex       isto tacno resenje, zapisano u LaTeX-u (za list sa zadacima)\n"
    "  -j, --jednacina JEDNACINA\n"
    "                cita jednacinu umesto sest brojeva: konika -j \"xy = 1\"\n"
    "Ostali argumenti idu GLUT-u (na primer -display ili -geometry).\n"
    "\n"
    "Mis u prozoru:\n"
    "  levo dugme, prevlacenje           pomera sliku\n"
    "  desno dugme, prevlacenje          okrece sliku\n"
    "  srednje dugme ili levo i desno    nadole smanjuje, nagore uvecava sliku\n"
    "  tockic                            uvecava i smanjuje za jedan korak\n"
    "  promena velicine prozora          vraca prvi prikaz\n"
    "\n"
    "Tasteri u prozoru:\n"
    "  Esc, q        zatvara prozor i zavrsava program\n"
    "  r, Home       vraca prvi prikaz\n"
    "  +, =, -       uvecava (+, =) ili smanjuje (-) za jedan korak; i + i -\n"
    "                sa numericke tastature\n"
    "  strelice      pomeraju sliku za desetinu vidljive sirine ili visine\n"
    "  s             cuva sliku prozora u tekucem direktorijumu, u datoteci\n"
    "                konika-YYYYMMDD-HHMMSS.png (datum i vreme)\n"
    "  g             prikazuje ili skriva elemente krive: ime, zize, temena,\n"
    "                ekscentricitet, direktrise, asimptote (ispisuje ih i u konzoli)\n"
    "  m             prikazuje ili skriva mrezu kanonskog sistema sa brojevima\n"
    "  h             prikazuje ili skriva spisak tastera u prozoru\n"
    "\n"
    "Vise u uputstvu: man konika\n";

const char kVersion[] = "konika " KONIKA_VERSION "\n";

} // namespace

CommandLine readCommandLine(int argc, char** argv) {
    CommandLine commandLine;
    commandLine.glutArguments.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool help = argument == "--help" || argument == "-h";
        const bool version = argument == "--version";
        if ((help || version) && commandLine.answer == CommandLine::Answer::None) {
            commandLine.answer = help ? CommandLine::Answer::Help : CommandLine::Answer::Version;
        } else if (argument == "--tacno" || argument == "-t") {
            commandLine.exactSolution = true;
        } else if (argument == "--latex") {
            commandLine.latexSolution = true;
        } else if (argument == "--jednacina" || argument == "-j") {
            commandLine.equationMissing = i + 1 == argc;
            if (i + 1 < argc) {
                commandLine.equation = argv[++i];
            }
        } else if (argument.rfind("--jednacina=", 0) == 0) {
            commandLine.equation = argument.substr(argument.find('=') + 1);
        } else if (!help && !version) {
            commandLine.glutArguments.push_back(argv[i]);
        }
    }
    commandLine.glutArguments.push_back(nullptr);
    return commandLine;
}

bool displayGiven(const CommandLine& commandLine) {
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') {
        return true;
    }
    for (int i = 1; i < commandLine.glutArgumentCount(); ++i) {
        if (std::string(commandLine.glutArguments[i]) == "-display" &&
            i + 1 < commandLine.glutArgumentCount()) {
            return true;
        }
    }
    return false;
}

bool answerCommandLine(const CommandLine& commandLine) {
    switch (commandLine.answer) {
    case CommandLine::Answer::Help:
        std::fputs(kUsage, stdout);
        return true;
    case CommandLine::Answer::Version:
        std::fputs(kVersion, stdout);
        return true;
    default:
        return false;
    }
}
