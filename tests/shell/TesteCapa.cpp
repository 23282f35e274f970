#include "base/Falha.h"
#include "shell/Capa.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The cover values of Niveis.Txt and the cover picture's copy.
class TesteCapa : public QObject {
    Q_OBJECT
private slots:
    // The motto stays only beside the default organisation.
    void lema_data() {
        QTest::addColumn<QString>("linha1");
        QTest::addColumn<QString>("lema");
        QTest::addColumn<QString>("esperado");
        const QString lema = QStringLiteral("Segurança em Nossas Fronteiras");
        QTest::newRow("padrão") << "Devedo Vuredod" << lema << lema;
        QTest::newRow("padrão, lema próprio") << "Devedo Vuredod"
                                              << "Braço Forte"
                                              << "Braço Forte";
        QTest::newRow("outra") << "3º Batalhão" << lema << " ";
        QTest::newRow("padrão com branco") << "Devedo Vuredod " << lema << " ";
        QTest::newRow("vazia") << "" << lema << " ";
    }
    void lema() {
        QFETCH(QString, linha1);
        QFETCH(QString, lema);
        QFETCH(QString, esperado);
        QCOMPARE(Capa::LemaAposLinha1(linha1, lema), esperado);
    }

    // The six texts go to lines 1 to 5 and 9; line 6 is the backup folder in
    // force, lines 7 and 8 are kept byte for byte; the held values follow.
    void grava() {
        AmbienteTeste a;
        QStringList linhas = a.sis->pasta.LeLinhas("Niveis.Txt");
        linhas[6] = QStringLiteral("  7 com brancos ");
        linhas[7] = QStringLiteral("oito; ação");
        a.sis->pasta.GravaLinhas("Niveis.Txt", linhas);
        TextosCapa textos = Capa::Le(*a.sis);
        QCOMPARE(textos[0], QStringLiteral("Devedo Vuredod"));
        QCOMPARE(textos[4], QStringLiteral("Capa1.bmp"));
        QCOMPARE(textos[5], QStringLiteral("Segurança em Nossas Fronteiras"));
        const QString outra = QDir(a.Pasta()).filePath("OutroEspelho");
        a.sis->dm.DefinePastaBackup(outra);
        textos = {"Org", "L2", "L3", "L4", "Capa2.bmp", " "};
        Capa::Grava(*a.sis, textos);
        const QStringList gravadas = a.sis->pasta.LeLinhas("Niveis.Txt");
        QCOMPARE(gravadas,
                 QStringList({"Org", "L2", "L3", "L4", "Capa2.bmp", QDir::toNativeSeparators(outra),
                              linhas[6], linhas[7], " "}));
        QVERIFY(a.Bytes("Niveis.Txt").contains("oito; a\xe7\xe3o\r\n"));
        QCOMPARE(a.sis->NiveisCapa.Linhas[5], QDir::toNativeSeparators(outra));
        QCOMPARE(a.sis->NiveisCapa.Unidade(), QStringLiteral("L2\nL3\nL4"));
    }

    // The copy keeps the picture's extension, holds its bytes and replaces an
    // earlier copy; a source that is not there leaves the earlier copy.
    void copia_foto() {
        AmbienteTeste a;
        QTemporaryDir fora;
        const QString bmp = QDir(fora.path()).filePath("Minha Foto.BMP");
        GravaBytes(bmp, QByteArray("BM primeira\0\x01\xff", 14));
        const QString copia = Capa::CopiaFoto(*a.sis, bmp);
        QCOMPARE(copia, QDir::toNativeSeparators(QDir(a.Pasta()).filePath("ANovaFoto.BMP")));
        QCOMPARE(BytesDoArquivo(copia), BytesDoArquivo(bmp));

        GravaBytes(bmp, "BM segunda");
        QCOMPARE(Capa::CopiaFoto(*a.sis, bmp), copia);
        QCOMPARE(BytesDoArquivo(copia), QByteArray("BM segunda"));

        const QString png = QDir(fora.path()).filePath("foto.png");
        GravaBytes(png, "PNG");
        QCOMPARE(Capa::CopiaFoto(*a.sis, png),
                 QDir::toNativeSeparators(QDir(a.Pasta()).filePath("ANovaFoto.png")));

        try {
            Capa::CopiaFoto(*a.sis, QDir(fora.path()).filePath("sumiu.BMP"));
            QFAIL("a cópia foi aceita");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().startsWith("Não foi possível copiar a foto"));
        }
        QCOMPARE(BytesDoArquivo(copia), QByteArray("BM segunda"));
        QCOMPARE(QDir(a.Pasta()).entryList({"ANovaFoto*"}),
                 QStringList({"ANovaFoto.BMP", "ANovaFoto.png"}));

        // The copy itself chosen again stays as it is.
        QCOMPARE(Capa::CopiaFoto(*a.sis, copia), copia);
        QCOMPARE(BytesDoArquivo(copia), QByteArray("BM segunda"));
    }

    // The pictures of the data folder, whatever the case of their extension.
    void fotos_da_pasta() {
        AmbienteTeste a;
        GravaBytes(QDir(a.Pasta()).filePath("b.JPG"), "x");
        GravaBytes(QDir(a.Pasta()).filePath("nota.txt"), "x");
        const QStringList fotos = Capa::FotosDaPasta(*a.sis);
        QVERIFY(fotos.contains("Capa1.bmp"));
        QVERIFY(fotos.contains("b.JPG"));
        QVERIFY(!fotos.contains("nota.txt"));
    }
};

REGISTRA_TESTE(TesteCapa)
#include "TesteCapa.moc"
