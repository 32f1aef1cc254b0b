#include "app/command_line.h"

#include "document/latex_writer.h"
#include "document/text_writer.h"
#include "exercises/exercise_sheet.h"

#include <cstdio>
#include <random>
#include <string>

namespace {

const char kUsage[] =
    "Upotreba: konika [-h | --help | --version] [-t | --tacno] [--latex]\n"
    "                 [opcije GLUT-a]\n"
    "       konika --zadaci N [--vrsta VRSTA] [--nivo 1|2|3] [--seme S] [--latex]\n"
    "\n"
    "konika svodi krivu drugog reda na kanonski oblik i crta je. Pita za sest\n"
    "koeficijenata jednacine a*X^2 + b*XY + c*Y^2 + d*X + e*Y + f = 0\n"
    "(uz X^2, XY, Y^2, X, Y i slobodan clan), ispisuje svaki korak svodjenja\n"
    "(translacija, rotacija, zamena osa) i zatim u prozoru crta kanonsku krivu\n"
    "i koordinatne sisteme svodjenja.\n"
    "\n"
    "Opcije:\n"
    "  -h, --help    ispisuje ovo uputstvo\n"
    "  --version     ispisuje verziju\n"
    "  -t, --tacno   posle koraka ispisuje i tacno resenje: razlomci, koreni,\n"
    "                invarijante, centar, ugao, kanonski oblik i elementi krive\n"
    "  --latex       isto tacno resenje, zapisano u LaTeX-u (za list sa zadacima)\n"
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

// The options of a sheet and the words given with them.
struct SheetWords {
    std::optional<std::string> count, kind, level, seed;
};

std::optional<std::string>* sheetOption(SheetWords& words, const std::string& argument) {
    return argument == "--zadaci"  ? &words.count
           : argument == "--vrsta" ? &words.kind
           : argument == "--nivo"  ? &words.level
           : argument == "--seme"  ? &words.seed
                                   : nullptr;
}

std::string quoted(const std::string& word) {
    return "\"" + word.substr(0, 40) + "\"";
}

// A whole number of at most digits decimal digits, nothing else.
std::optional<unsigned long long> wholeNumber(const std::string& word, std::size_t digits) {
    if (word.empty() || word.size() > digits ||
        word.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    try {
        return std::stoull(word);
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}

std::uint64_t drawnSeed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

// The request the words make, or the reason why they make none.
std::string readSheet(const SheetWords& words, std::optional<SheetRequest>& sheet) {
    if (!words.count) {
        return words.kind || words.level || words.seed
                   ? "Opcije --vrsta, --nivo i --seme idu uz --zadaci N."
                   : "";
    }
    SheetRequest request;
    const std::optional<unsigned long long> count = wholeNumber(*words.count, 3);
    if (!count || *count < 1 || *count > 100) {
        return "Broj zadataka mora biti ceo broj od 1 do 100, a ne " + quoted(*words.count) + ".";
    }
    request.count = static_cast<int>(*count);
    const std::optional<ExerciseKind> kind = kindNamed(words.kind.value_or("bilo-koja"));
    if (!kind) {
        return "Nepoznata vrsta " + quoted(*words.kind) + "; vrste su: " + kindNames() + ".";
    }
    request.kind = *kind;
    const std::optional<unsigned long long> level = wholeNumber(words.level.value_or("0"), 1);
    if (!level || *level > 3 || (words.level && *level == 0)) {
        return "Nivo mora biti 1, 2 ili 3, a ne " + quoted(*words.level) + ".";
    }
    request.level = static_cast<int>(*level);
    if (!kindHasLevel(request.kind, request.level)) {
        return "Kruznica nema rotaciju: za nju postoji samo nivo 1.";
    }
    const std::optional<unsigned long long> seed =
        words.seed ? wholeNumber(*words.seed, 20) : drawnSeed();
    if (!seed) {
        return "Seme mora biti ceo broj od 0 do 18446744073709551615, a ne " + quoted(*words.seed) +
               ".";
    }
    request.seed = *seed;
    sheet = request;
    return "";
}

// The sheet on standard output, as text or as LaTeX.
int printSheet(const SheetRequest& request, bool latex) {
    const std::vector<Exercise> exercises = exerciseSheet(request);
    if (exercises.size() < static_cast<std::size_t>(request.count)) {
        std::fprintf(stderr, "Razlicitih zadataka ove vrste i nivoa ima samo %zu.\n",
                     exercises.size());
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
        } else if (!help && !version) {
            commandLine.glutArguments.push_back(argv[i]);
        }
    }
    commandLine.glutArguments.push_back(nullptr);
    if (commandLine.refusal.empty()) {
        commandLine.refusal = readSheet(sheetWords, commandLine.sheet);
    }
    return commandLine;
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
