#include "app/language_tables.h"

#include <cstddef>

// Letters outside ASCII are written as their Windows-1252 byte escapes, so the
// compiled bytes do not depend on the encoding of this file. An escape that a
// hex digit follows ends its literal, so the digit is not read into it.

const std::array<bool, kLanguageCount> languageAvailable = {true,  false, true, true,
                                                            false, true,  false};

const LanguageTable kInstallLabel = {
    "Install in English",
    "Instalar en Espa\xF1ol",
    "Installation en Fran\xE7"
    "ais",
    "Installa in Italiano",
    "Installer p\xE5 norsk",
    "Instala\xE7\xE3o em Portugu\xEAs",
    "0Installera p\xE5 svenska",
};

const LanguageTable kBackText = {
    "< Back", "< Volver", "< Retour", "< Indietro", "< Tilbake", "< Atr\xE1s", "< Bak\xE5t",
};

const LanguageTable kNextText = {
    "Next >", "Siguiente >", "Suite >", "Avanti >", "Neste >", "Seguinte >", "N\xE4sta >",
};

const LanguageTable kFinishText = {
    "Finish", "Terminar", "Finir", "Fine", "Avslutt", "Terminar", "Avsluta",
};

const LanguageTable kExitText = {
    "Exit", "Salir", "Quitter", "Esci", "Avslutt", "Sair", "Avsluta",
};

const LanguageTable kYesText = {
    "Yes", "S\xED", "Oui", "S\xEC", "Ja", "Sim", "Ja",
};

const LanguageTable kNoText = {
    "No", "No", "Non", "No", "Nei", "N\xE3o", "Nej",
};

const LanguageTable kSourceMissingText = {
    "Unable to find a source file",
    "No se encuentra un fichero de origen",
    "Impossible de trouver un fichier source",
    "Impossibile trovare il file di aggiornamento",
    "Klarer ikke \xE5 finne kilde filen",
    "Incapaz de encontrar um ficheiro de instala\xE7\xE3o",
    "Kan ej hitta k\xE4llfil",
};

const LanguageTable kContinueHint = {
    "Click 'Next' to continue",
    "Pulsa 'Siguiente' para continuar",
    "Cliquez sur 'Suite' pour continuer",
    "Premi 'Avanti' per continuare",
    "Klikk 'Neste' for \xE5 fortsette",
    "Escolha 'Seguinte' para continuar",
    "Klicka p\xE5 'N\xE4sta' f\xF6r att forts\xE4tta",
};

const LanguageTable kWizardTitle = {
    "Tarvex League 3 Update",
    "Actualizaci\xF3n Tarvex League 3",
    "Mise \xE0 jour de Tarvex League 3",
    "Aggiornamento di Tarvex League 3",
    "Oppdatering av Tarvex League 3",
    "Tarvex League 3 - Actualiza\xE7\xE3o",
    "Tarvex League 3 Uppdatering",
};

const LanguageTable kNotFoundText = {
    "Unable to find TX3 installation", "No se encuentra la instalaci\xF3n del TX3",
    "Installation de TX3 introuvable", "Impossibile trovare l'installazione di TX3",
    "Klarer ikke \xE5 finne TX3",      "Incapaz de encontrar instala\xE7\xE3o do TX3",
    "Kan ej hitta TX3 installation",
};

const LanguageTable kReinstallHint = {
    "Re-install TX3 from CD and try again",
    "Reinstala el TX3 desde el CD e int\xE9ntalo de nuevo",
    "R\xE9installez le CD de TX3 et r\xE9"
    "essayez",
    "Installa nuovamente TX3 e prova di nuovo",
    "Innstaller TX3 p\xE5 nytt fra CD og pr\xF8v igjen",
    "Re-instalar o TX3 a partir do CD e tentar novamente",
    "Ominstallera TX3 fr\xE5n CD:n och f\xF6rs\xF6k igen",
};

const LanguageTable kInstalledVersionCaption = {
    "Current installed version:",
    "Versi\xF3n actual instalada:",
    "Version actuellement install\xE9"
    "e:",
    "Versione attualmente installata:",
    "N\xE5v\xE6rende versjon:",
    "Vers\xE3o instalada currentemente:",
    "Nuvarande installerad version:",
};

const LanguageTable kNewVersionCaption = {
    "New version to install:",
    "Nueva versi\xF3n a instalar:",
    "Nouvelle version \xE0 installer:",
    "Nuova versione da installare:",
    "Innstallerer versjon:",
    "Nova vers\xE3o a instalar:",
    "Ny version att installera:",
};

const LanguageTable kUpdateHint = {
    "Click 'Next' to update",
    "Pulsa en 'Siguiente' para actualizar",
    "Cliquez sur 'Suite' pour mettre \xE0 jour",
    "Premi 'Avanti' per iniziare l'aggiornamento",
    "Klikk 'Neste' for \xE5 oppdatere",
    "Clique 'Seguinte' para actualizar",
    "Klicka p\xE5 n\xE4sta f\xF6r att uppdatera",
};

const LanguageTable kIncompatibleText = {
    "This update is not compatible with your existing TX3 installation. Please download the full "
    "update instead.",
    "Esta actualizaci\xF3n no es compatible con tu instalaci\xF3n actual del TX3. Intenta bajarte "
    "de Internet la actualizaci\xF3n completa.",
    "Cette mise \xE0 jour n'est pas compatible avec la version de TX3 install\xE9"
    "e sur votre ordinateur. Veuillez t\xE9l\xE9"
    "charger la mise \xE0 jour compl\xE8te.",
    "Questo aggiornamento non \xE8 compatibile con la versione di TX3 installata. Scarica la "
    "versione completa dell'aggiornamento.",
    "Denne oppdateringer er ikke kompatibel med din n\xE5v\xE6rende versjon av TX3. Vennligst last "
    "ned den fulle oppdateringsversjonen i stedet.",
    "Esta actualiza\xE7\xE3o n\xE3o \xE9 compat\xEDvel com a sua presente instala\xE7\xE3o do TX3. "
    "Por favor fa\xE7"
    "a o 'download' da actualiza\xE7\xE3o total.",
    "Denna uppdatering \xE4r ej kompatibel med din tidigare TX3 installation. Var v\xE4nlig ladda "
    "ner denna fulla updateringsversionen ist\xE4llet.",
};

const LanguageTable kUpdatingText = {
    "Updating...",   "Actualizando...", "Mise \xE0 jour...", "Aggiornamento in corso...",
    "Oppdaterer...", "Actualizando...", "Uppdaterar...",
};

const LanguageTable kCompletedText = {
    "Update completed",         "Actualizaci\xF3n completada", "Mise \xE0 jour r\xE9ussie",
    "Aggiornamento completato", "Oppdateringen er ferdig",     "Actualiza\xE7\xE3o terminada",
    "Uppdatering klar",
};

const LanguageTable kInstallationCorruptText = {
    "TX3 installation is corrupt",
    "La instalaci\xF3n del TX3 est\xE1 da\xF1"
    "ada",
    "L'installation de TX3 est corrompue",
    "L'installazione di TX3 non \xE8 corretta",
    "Feil ved TX3 innstalleringen",
    "Instala\xE7\xE3o do TX3 est\xE1 corrompida",
    "TX3 installationen \xE4r skadad",
};

const LanguageTable kUpdateFileCorruptText = {
    "The update file is corrupt",
    "El archivo de actualizaci\xF3n est\xE1 da\xF1"
    "ado",
    "Le fichier de mise \xE0 jour est corrompu",
    "Il file di aggiornamento \xE8 alterato",
    "Feil ved oppdateringsfilen",
    "O ficheiro de actualiza\xE7\xE3o est\xE1 corrompido",
    "Uppdateringsfilen \xE4r skadad",
};

const LanguageTable kQuickStartNotice = {
    "The quick start files from your original installation are out of date. They will still work, "
    "but will not contain the most recent data.",
    "Los ficheros de partidas rapidas de tu instalacion original han caducado. Funcionan, pero no "
    "contienen los datos mas recientes.",
    "Les parties express stock\xE9"
    "es sur votre installation d'origine sont p\xE9rim\xE9"
    "es. Elles fonctionneront encore, mais ne contiendront pas les donn\xE9"
    "es les plus r\xE9"
    "centes.",
    "I file di Avvio Rapido dell'installazione precedente non sono recenti. I file funzionano "
    "ancora, ma non contengono il database aggiornato.",
    "Hurtigstartfilene fra din opprinnelige innstallering er for gamle. De vil fremdeles fungere, "
    "men vil ikke inneholde de nyeste dataene.",
    "Os ficheiros de in\xED"
    "cios r\xE1pidos est\xE3o desactualizados. Eles ainda ser\xE3o funcionais, mas n\xE3o incluem "
    "os dados mais recentes.",
    "Dina snabbstartfiler fr\xE5n originalinstallationen \xE4r gamla. De kommer fortfarande att "
    "fungera, men inneh\xE5ller ej den senaste uppdateringarna.",
};

const LanguageTable kQuickStartQuestion = {
    "Delete the quick start files (recommended) ?",
    "\xBF"
    "Borrar los ficheros de partidas rapidas (recomendado)?",
    "Supprimer les parties express (recommand\xE9) ?",
    "Vuoi cancellare i file di Avvio Rapido (raccomandato) ?",
    "Slett hurtigstartfilene (anbefales) ?",
    "Apagar os ficheiros de in\xED"
    "cios r\xE1pidos (recomend\xE1vel) ?",
    "Radera snabbstartsfiler (rekomenderas) ?",
};

const LanguageTable kLocationText = {
    "", "", "", "", "", "", "",
};

const LanguageTable kWriteFailureText = {
    "", "", "", "", "", "", "",
};

const std::array<const LanguageTable*, kLanguageTableCount> languageTables = {
    &kInstallLabel,
    &kBackText,
    &kNextText,
    &kFinishText,
    &kExitText,
    &kYesText,
    &kNoText,
    &kSourceMissingText,
    &kContinueHint,
    &kWizardTitle,
    &kNotFoundText,
    &kReinstallHint,
    &kInstalledVersionCaption,
    &kNewVersionCaption,
    &kUpdateHint,
    &kIncompatibleText,
    &kUpdatingText,
    &kCompletedText,
    &kInstallationCorruptText,
    &kUpdateFileCorruptText,
    &kQuickStartNotice,
    &kQuickStartQuestion,
    &kLocationText,
    &kWriteFailureText,
};

const char* languageText(const LanguageTable& table, int32_t language) {
  if (language < 0 || language >= kLanguageCount) language = LANGUAGE_ENGLISH;
  return table[static_cast<std::size_t>(language)];
}
