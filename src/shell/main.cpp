#include "base/Falha.h"
#include "base/ImpressoraQt.h"
#include "base/Relogio.h"
#include "base/Tenta.h"
#include "data/Instalacao.h"
#include "model/Sistema.h"
#include "shell/Cores.h"
#include "shell/DialogosQt.h"
#include "shell/Exemplo.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolim"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));

    QTranslator traducaoQt;
    if (traducaoQt.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducaoQt);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QCommandLineParser argumentos;
    argumentos.setApplicationDescription(QStringLiteral("Escala de Serviço"));
    argumentos.addHelpOption();
    const QCommandLineOption pastaDados(
        QStringLiteral("pasta-dados"),
        QStringLiteral("Usa DIR como pasta de dados nesta execução."), QStringLiteral("DIR"));
    argumentos.addOption(pastaDados);
    const QCommandLineOption exemplo(
        QStringLiteral("exemplo"),
        QStringLiteral("Cria em DIR, se ainda não existir, um cadastro de exemplo e o usa como "
                       "pasta de dados nesta execução."),
        QStringLiteral("DIR"));
    argumentos.addOption(exemplo);
    argumentos.process(app);

    RelogioSistema relogio;
    DialogosQt dialogos;
    QString pasta = argumentos.value(pastaDados);
    if (argumentos.isSet(exemplo)) {
        pasta = QDir(argumentos.value(exemplo)).absolutePath();
        if (Instalacao::PastaNova(pasta) &&
            !Tenta(dialogos, [&] { Exemplo::CriaExemplo(pasta, relogio.Hoje()); }))
            return 1;
    }
    Inicio inicio(pasta, Inicio::ArquivoAliasesPadrao());
    if (!Tenta(dialogos, [&] { inicio.Prepara(relogio.Hoje()); }))
        return 1;

    ImpressoraQt impressora(QDir(inicio.PastaDados()).filePath(QStringLiteral("Impressoes")),
                            dialogos);
    Sistema sis(inicio.PastaDados(), inicio.PastaBackupInicial(), relogio, dialogos, impressora);
    Tenta(dialogos, [&] { CarregaCores(sis); });
    TFPrincipal principal(sis, inicio);
    principal.show();
    principal.Atualiza();
    return app.exec();
}
