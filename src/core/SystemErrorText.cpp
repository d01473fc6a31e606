#include "core/SystemErrorText.h"

#include <cerrno>

namespace venkora {

std::string SystemErrorText(int errnum) {
    switch (errnum) {
        case ENOENT: return "Datei nicht gefunden";
        case EACCES:
        case EPERM: return "keine Berechtigung";
        case EISDIR: return "ist ein Verzeichnis";
        case ENOTDIR: return "ein Teil des Pfades ist kein Verzeichnis";
        case ENOSPC: return "kein Platz mehr auf dem Datenträger";
        case EDQUOT: return "Speicherkontingent erschöpft";
        case EROFS: return "Dateisystem ist schreibgeschützt";
        case EFBIG: return "Datei zu groß";
        case EIO: return "Ein-/Ausgabefehler";
        case ENAMETOOLONG: return "Dateiname zu lang";
        case ELOOP: return "zu viele symbolische Verknüpfungen";
        case EMFILE:
        case ENFILE: return "zu viele offene Dateien";
        case ENOMEM: return "nicht genug Arbeitsspeicher";
        case EPIPE: return "der Empfänger hat die Verbindung geschlossen";
        case EBADF: return "Datenstrom ist nicht geöffnet";
        case ETXTBSY: return "Datei wird gerade ausgeführt";
        case EBUSY: return "Gerät oder Datei ist belegt";
        case EAGAIN: return "vorübergehend nicht verfügbar";
        case EEXIST: return "Datei besteht bereits";
        case ENOLCK: return "die Datei lässt sich nicht sperren";
        case ENXIO: return "Gerät nicht vorhanden";
        case ESTALE: return "Netzwerkdatei ist nicht mehr gültig";
        default: return "Systemfehler Nummer " + std::to_string(errnum);
    }
}

}  // namespace venkora
