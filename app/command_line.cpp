#include "app/command_line.h"

#include "document/latex_writer.h"
#include "document/text_writer.h"
#include "exercises/exercise_sheet.h"
#include "exercises/sheet_words.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const char kUsage[] =
    "Upotreba: konika [-h | --help | --version] [-t | --tacno] [--latex]\n"
    "                 [-j JEDNACINA | --jednacina JEDNACINA] [opcije GLUT-a]\n"
    "       konika --zadaci N [--vrsta VRSTA] [--nivo 1|2|3] [--seme S] [--latex]\n"
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
    "Zadaci za vezbu (bez pitanja i bez prozora):\n"
    "  --zadaci N    ispisuje N razlicitih jednacina (1 do 100), zatim kljuc\n"
    "                svake: kanonski oblik, centar ili teme, ugao, a, b, c, e ili p\n"
    "  --vrsta V     elipsa, kruznica, hiperbola, parabola, prave-koje-se-seku,\n"
    "                paralelne-prave, dvostruka-prava, tacka, imaginarna-elipsa,\n"
    "                imaginarne-paralelne-prave ili bilo-koja (bez opcije)\n"
    "  --nivo L      1: ose paralelne koordinatnim, translacija; 2: rotacija oko\n"
    "                koordinatnog pocetka; 3: rotacija i translacija (bez opcije\n"
    "                bilo koji; kruznica ima samo nivo 1)\n"
    "  --seme S      ceo broj od kog zavisi list: isto seme daje isti list (bez\n"
    "                opcije se bira, a ispisuje se uvek)\n"
    "  --latex       list u LaTeX-u: zadaci na prvoj strani, kljuc na sledecoj\n"
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

// Where the word after a sheet's option goes; nullptr for any other argument.
std::optional<std::string>* sheetOption(SheetWords& words, const std::string& argument) {
    return argument == "--zadaci"  ? &words.count
           : argument == "--vrsta" ? &words.kind
           : argument == "--nivo"  ? &words.level
           : argument == "--seme"  ? &words.seed
                                   : nullptr;
}

std::uint64_t drawnSeed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

// The request the options make, or the reason why they make none; the seed is drawn when none
// is given.
std::string readSheetOptions(SheetWords words, std::optional<SheetRequest>& sheet) {
    if (!words.count) {
        return words.kind || words.level || words.seed
                   ? "Opcije --vrsta, --nivo i --seme idu uz --zadaci N."
                   : "";
    }
    if (!words.seed) {
        words.seed = std::to_string(drawnSeed());
    }
    return readSheet(words, sheet);
}

// The sheet on standard output, as text or as LaTeX.
int printSheet(const SheetRequest& request, bool latex) {
    const std::vector<Exercise> exercises = exerciseSheet(request);
    const std::string shortfall = sheetShortfall(request, exercises);
    if (!shortfall.empty()) {
        std::fputs((shortfall + "\n").c_str(), stderr);
        return 1;
    }
    const Document sheet = sheetDocument(request, exercises);
    std::fputs((latex ? latexOf(sheet) : textOf(sheet)).c_str(), stdout);
    return 0;
}

} // namespace

CommandLine readCommandLine(int argc, char** argv) {
    CommandLine commandLine;
    commandLine.glutArguments.push_back(argv[0]);
    SheetWords sheetWords;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::optional<std::string>* sheetWord = sheetOption(sheetWords, argument);
        if (sheetWord != nullptr) {
            if (i + 1 == argc) {
                commandLine.refusal = "Posle " + argument + " nedostaje vrednost.";
            } else {
                *sheetWord = argv[++i];
            }
            continue;
        }
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
    if (commandLine.refusal.empty()) {
        commandLine.refusal = readSheetOptions(sheetWords, commandLine.sheet);
    }
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

std::optional<int> answerCommandLine(const CommandLine& commandLine) {
    switch (commandLine.answer) {
    case CommandLine::Answer::Help:
        std::fputs(kUsage, stdout);
        return 0;
    case CommandLine::Answer::Version:
        std::fputs(kVersion, stdout);
        return 0;
    default:
        break;
    }
    if (!commandLine.refusal.empty()) {
        std::fputs((commandLine.refusal + "\n").c_str(), stderr);
        return 2;
    }
    if (commandLine.sheet) {
        return printSheet(*commandLine.sheet, commandLine.latexSolution);
    }
    return std::nullopt;
}
