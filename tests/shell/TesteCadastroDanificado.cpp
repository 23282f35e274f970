#include "support/AmbienteTeste.h"
#include "support/ApoioComando.h"
#include "support/ApoioEscala.h"
#include "support/CadastroDanificado.h"
#include "support/Registro.h"

#include <QDir>
#include <QTest>

// A damaged register stops the headless command before anything is written:
// exit 3 and a message that names the damage and the backup.
class TesteCadastroDanificado : public QObject {
    Q_OBJECT
private slots:
    void comando_parado_data() { CasosDeCadastroDanificado(); }
    void comando_parado() {
        QFETCH(QString, dano);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroPequeno(a);
        DanificaCadastro(a, dano);
        const QStringList antes = ConteudoDaPasta(a.Pasta());
        const QByteArray escala = BytesDoArquivo(QDir(a.Pasta()).filePath("Escala.Txt"));
        const QList<QStringList> comandos{{"verificar", "--ate", "15/03/24"},
                                          {"escalar", "--ate", "13/03/24"},
                                          {"desfazer", "--a-partir-de", "08/03/24", "--sim"}};
        for (const QStringList& comando : comandos) {
            const Execucao e = ExecutaComando(a, comando);
            a.sis.reset();
            QCOMPARE(e.codigo, 3);
            const QString mensagens = e.Secao("[Mensagens]").join('\n');
            QVERIFY2(mensagens.contains(mensagem), qPrintable(e.saida));
            QVERIFY(mensagens.contains("está danificado"));
            QVERIFY(mensagens.contains("item 14 da guia /Manutenção/"));
            QVERIFY(mensagens.contains(a.PastaBackup()));
            QVERIFY(e.Secao("[Escala]").isEmpty());
        }
        QCOMPARE(BytesDoArquivo(QDir(a.Pasta()).filePath("Escala.Txt")), escala);
        QCOMPARE(ConteudoDaPasta(a.Pasta()), antes);
    }
};

REGISTRA_TESTE(TesteCadastroDanificado)
#include "TesteCadastroDanificado.moc"
