#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class Aliases;
class DMGeral;
class Dialogos;
class PastaDados;
class Relogio;
struct Niveis;

// The one backup of the register: a database of the 33 tables and copies of
// eight text files of the data folder, in the backup folder (the folder of
// the alias "BackUpSv2" and line 6 of Niveis.Txt). The backup folder lives
// on a storage root (a mounted volume): the default folder, <data
// folder>/Espelho, on the root of the data folder, and
// <root>/SisTarvolim/Tarvolim2/Espelho on any other.
namespace CopiaSeguranca {

// What the backup screens work with.
struct Ambiente {
    DMGeral& dm;
    const PastaDados& pasta;
    Dialogos& dialogos;
    const Relogio& relogio;
    // The lines of Niveis.Txt as held by the program (the cover values).
    Niveis& niveis;
    // The aliases of the user; none when this run leaves them alone
    // (--pasta-dados), and the backup folder follows line 6 only.
    Aliases* aliases;
    const std::array<int, 14>& cores; // colour slots 1..13
    // The storage roots present; empty: the mounted volumes.
    std::function<QStringList()> raizes;
    // Called at each step of a backup ("copia gravada", "copia conferida"),
    // so that tests can act there.
    std::function<void(const char* passo)> AoSalvar;
};

// The eight text files the backup keeps, in the order they are copied.
const QStringList& ArquivosCopiados();
// The folder below a storage root other than the data folder's.
inline constexpr const char* PastaEspelho = "SisTarvolim/Tarvolim2/Espelho";

// The mounted volumes that can be written to.
QStringList RaizesMontadas();
QStringList Raizes(const Ambiente& amb);
// The storage root that holds pasta: the longest of raizes that holds it, else
// the mount point of its volume (for a folder not yet created, that of its
// nearest existing parent).
QString RaizDe(const QString& pasta, const QStringList& raizes);
// The backup folder on a root.
QString PastaNaRaiz(const Ambiente& amb, const QString& raiz);
// The backup folder in force and its root, as the screens show it.
QString PastaBackup(const Ambiente& amb);
QString RaizAtual(const Ambiente& amb);
// A root as the operator reads it.
QString TextoRaiz(const QString& raiz);

// "Salvar em": writes the whole backup into a new folder beside the backup
// folder, checks it (SQLite's integrity check, every table's row count and
// every file's bytes equal to the register's) and only then puts it in place
// of the old folder. A failure throws Falha, removes the new folder and leaves
// the old backup as it was; success tells the operator.
void Salva(Ambiente& amb);

// "Recuperar de": with no backup in the folder, tells so and returns false.
// A backup that fails the check is refused (Recusa) and the register stays as
// it was; otherwise its tables and text files replace the register's in one
// transaction, the store forgets all it held, mostraCadastro runs (the
// screens show the restored register) and the operator is told that the
// program ends: returns true, and the caller ends the program.
bool Recupera(Ambiente& amb, const std::function<void()>& mostraCadastro = {});

// Closing the location screen: escolhida is the root chosen, none when the
// chooser was not shown. Another root that is present moves the backup
// folder there (MudaLocalBackup) and returns true: the caller ends the
// program. The same root changes nothing; a root that is not present is told.
bool FechaLocal(Ambiente& amb, const QString& raizAtual, const std::optional<QString>& escolhida);

// Makes nova the backup folder: creates it, rewrites line 6 of Niveis.Txt
// and the alias "BackUpSv2" (both or neither), and tells the operator that
// the program ends. Nothing is copied there.
void MudaLocalBackup(Ambiente& amb, const QString& nova);

} // namespace CopiaSeguranca
