// vorel-report's command line.
#include "cli/ReportArguments.h"

#include <string_view>
#include <vector>

#include "cli/ToolOutput.h"
#include "report/ThemeReport.h"

namespace vorel {

const char* const kReportUsage =
    "Usage :\n"
    "  vorel-report [--rtf FICHIER | --pdf FICHIER] [--explain] [--] NOM DATE\n"
    "  vorel-report --theme [--year AAAA] [--rtf F | --pdf F] [--] NOM DATE\n"
    "  vorel-report --couple [--year AAAA] [--rtf F | --pdf F] [--]\n"
    "               NOM1 DATE1 NOM2 DATE2\n"
    "  vorel-report --register VOREL.DAT --out DOSSIER [--theme] [--pdf]\n"
    "  vorel-report --import FICHIER.csv --register VOREL.DAT\n"
    "  vorel-report --export FICHIER.csv --register VOREL.DAT\n"
    "  vorel-report --help | --version\n"
    "\n"
    "Rédige le bilan Vorel d'une personne, ou de toutes les personnes d'un fichier\n"
    "des personnes, sans affichage ; rédige aussi leur thème et le rapport de deux\n"
    "personnes ; fait passer les personnes d'un tableur à ce fichier et inversement.\n"
    "\n"
    "  NOM DATE        le nom complet, nom de famille d'abord, et la date de\n"
    "                  naissance au format jj/mm/aaaa ; le texte du bilan est écrit\n"
    "                  sur la sortie standard, un paragraphe par ligne. Dans le NOM,\n"
    "                  les lettres accentuées deviennent leur lettre de base (é → E,\n"
    "                  ç → C, œ → OE), puis seuls les lettres et les espaces sont\n"
    "                  gardés, en majuscules : « Hélène » donne le bilan de HELENE\n"
    "  --rtf FICHIER   écrit le bilan au format RTF dans FICHIER, comme l'enregistre\n"
    "                  la fenêtre du bilan, au lieu de l'afficher\n"
    "  --pdf FICHIER   écrit le bilan au format PDF dans FICHIER, tel que la fenêtre\n"
    "                  du bilan l'imprime (A4, polices incorporées)\n"
    "  --explain       ajoute après le bilan le détail du calcul des nombres\n"
    "  --theme         le thème au lieu du bilan : grille d'inclusion, leçons et\n"
    "                  dettes karmiques, défis, réalisations, cycles, année et mois\n"
    "                  personnels, chaque nombre avec son calcul ; avec --out, un\n"
    "                  fichier THEME_… par personne, sans numbers.csv\n"
    "  --couple        le rapport de deux personnes : leurs nombres côte à côte, le\n"
    "                  nombre du couple, leurs chemins de vie, leurs motivations,\n"
    "                  leurs expressions et leurs années\n"
    "  --year AAAA     avec --theme ou --couple : l'année étudiée, de 1 à 9999 ;\n"
    "                  l'année en cours sans cette option\n"
    "  --              termine les options : ce qui suit est le NOM et la DATE, même\n"
    "                  si cela commence par « - »\n"
    "  --register F    le fichier des personnes F (VOREL.DAT) ; les noms qui y sont\n"
    "                  lus restent exactement tels qu'ils sont enregistrés\n"
    "  --out DOSSIER   écrit dans DOSSIER un fichier RTF par personne et le résumé\n"
    "                  numbers.csv ; les personnes dont la date n'est pas valable\n"
    "                  sont signalées et passées\n"
    "  --pdf           avec --out : un fichier PDF par personne au lieu d'un RTF\n"
    "  --import F.csv  ajoute au fichier des personnes celles d'un fichier CSV de\n"
    "                  tableur (le nom puis la date, jj/mm/aaaa ou aaaa-mm-jj,\n"
    "                  séparés par « ; » ou « , ») ; les noms suivent la règle du\n"
    "                  NOM. Tout ou rien : une ligne incorrecte est signalée avec\n"
    "                  son numéro et rien n'est modifié\n"
    "  --export F.csv  écrit les personnes dans F.csv, « nom;date de naissance »,\n"
    "                  en UTF-8 pour les tableurs\n"
    "  --version       affiche la version du programme\n"
    "\n"
    "Un seul programme à la fois modifie le fichier des personnes : un autre qui le\n"
    "tient est attendu cinq secondes au plus.\n"
    "\n"
    "Code de sortie : 0 si tout a été écrit ; 1 si une personne a été passée, si un\n"
    "fichier est illisible, abîmé, occupé ou impossible à écrire, ou si une ligne du\n"
    "fichier CSV est incorrecte ; 2 si les arguments sont incorrects.\n";

namespace {

bool Given(const std::string& value) {
  return !value.empty();
}

}  // namespace

ReportArguments ParseReportArguments(int argc, const char* const* argv) {
  // --pdf names a file for one report and stands alone beside --register; which one it is
  // must be known before it is read.
  bool withRegister = false;
  for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i)
    if (std::string_view(argv[i]) == "--register") withRegister = true;

  ReportArguments a;
  std::vector<std::string> positional;
  bool help = false;
  bool version = false;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&](std::string& into) {
      if (i + 1 >= argc || argv[i + 1][0] == '\0')
        throw UsageError("l'option " + arg + " attend une valeur");
      if (!into.empty()) throw UsageError("l'option " + arg + " est donnée deux fois");
      into = argv[++i];
    };
    if (!options || arg.size() < 2 || arg[0] != '-') {
      positional.push_back(arg);
    } else if (arg == "--") {
      options = false;
    } else if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (arg == "--explain") {
      a.explain = true;
    } else if (arg == "--theme" || arg == "--couple") {
      const ReportKind kind = arg == "--theme" ? ReportKind::Theme : ReportKind::Couple;
      if (a.kind == kind) throw UsageError("l'option " + arg + " est donnée deux fois");
      if (a.kind != ReportKind::Vorel) throw UsageError("--theme et --couple s'excluent");
      a.kind = kind;
    } else if (arg == "--year") {
      std::string text;
      value(text);
      try {
        a.year = StudyYear(text);
      } catch (const Error& e) {
        throw UsageError(e.what());
      }
    } else if (arg == "--rtf") {
      value(a.rtf);
    } else if (arg == "--pdf" && withRegister) {
      if (a.pdfPerPerson) throw UsageError("l'option --pdf est donnée deux fois");
      a.pdfPerPerson = true;
    } else if (arg == "--pdf") {
      value(a.pdf);
    } else if (arg == "--register") {
      value(a.registerFile);
    } else if (arg == "--out") {
      value(a.out);
    } else if (arg == "--import") {
      value(a.csv);
      a.command = ToolCommand::Import;
    } else if (arg == "--export") {
      if (a.command == ToolCommand::Import) throw UsageError("--import et --export s'excluent");
      value(a.csv);
      a.command = ToolCommand::Export;
    } else {
      throw UsageError("option inconnue " + arg);
    }
  }
  if (help) {
    a.command = ToolCommand::Help;
    return a;
  }
  if (version) {
    a.command = ToolCommand::Version;
    return a;
  }

  if (a.year != 0 && a.kind == ReportKind::Vorel)
    throw UsageError("--year va avec --theme ou --couple");
  if (a.explain && a.kind != ReportKind::Vorel)
    throw UsageError(
        "--explain ne se combine pas avec --theme ni --couple, qui montrent leurs "
        "calculs");
  if (a.command == ToolCommand::Import || a.command == ToolCommand::Export) {
    const std::string option = a.command == ToolCommand::Import ? "--import" : "--export";
    if (!Given(a.registerFile)) throw UsageError(option + " va avec --register");
    if (!positional.empty() || Given(a.rtf) || a.explain || Given(a.out) || a.pdfPerPerson ||
        a.kind != ReportKind::Vorel || a.year != 0)
      throw UsageError(option + " ne se combine qu'avec --register");
    return a;
  }
  if (Given(a.registerFile) || Given(a.out)) {
    if (!Given(a.registerFile) || !Given(a.out))
      throw UsageError("--register va avec --out, --import ou --export");
    if (!positional.empty() || Given(a.rtf) || a.explain)
      throw UsageError("--register ne se combine pas avec NOM, DATE, --rtf ni --explain");
    if (a.kind == ReportKind::Couple)
      throw UsageError("--couple ne se combine pas avec --register");
    a.command = ToolCommand::RegisterReports;
    return a;
  }
  if (Given(a.rtf) && Given(a.pdf)) throw UsageError("--rtf et --pdf s'excluent");
  const size_t wanted = a.kind == ReportKind::Couple ? 4 : 2;
  if (positional.size() != wanted) {
    if (positional.size() > wanted)
      throw UsageError("trop d'arguments (mettez les noms entre guillemets)");
    throw UsageError(wanted == 4 ? "il faut deux noms, chacun suivi de sa date de naissance"
                                 : "il faut un nom et une date de naissance");
  }
  a.name = positional[0];
  a.date = positional[1];
  if (wanted == 4) {
    a.name2 = positional[2];
    a.date2 = positional[3];
  }
  a.command = ToolCommand::OneReport;
  return a;
}

}  // namespace vorel
