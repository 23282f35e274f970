#include "base/Falha.h"
#include "data/ArquivoTexto.h"
#include "data/Instalacao.h"
#include "support/AmbienteTeste.h"
#include "support/DiscoLimitado.h"
#include "support/Registro.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The text files of the data folder.
class TesteArquivos : public QObject {
    Q_OBJECT
private slots:
    void latin1_e_crlf() {
        AmbienteTeste a;
        a.sis->pasta.GravaLinhas("Teste.Txt", {"Sáb", "Manutenção", ""});
        QCOMPARE(BytesDoArquivo(a.sis->pasta.Caminho("Teste.Txt")),
                 QByteArray("S\xe1"
                            "b\r\nManuten\xe7\xe3o\r\n\r\n"));
        QCOMPARE(a.sis->pasta.LeLinhas("Teste.Txt"), QStringList({"Sáb", "Manutenção", ""}));
        // Lines ended by LF alone are read too.
        GravaBytes(a.sis->pasta.Caminho("Lf.Txt"), "01/03/24\n02/03/24\n");
        QCOMPARE(a.sis->pasta.LeLinhas("Lf.Txt"), QStringList({"01/03/24", "02/03/24"}));
    }

    void arquivo_ausente_e_linha_invalida() {
        AmbienteTeste a;
        QFile::remove(a.sis->pasta.Caminho("Escala.Txt"));
        try {
            a.sis->pasta.LeUltimaEscala();
            QFAIL("sem falha");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("Escala.Txt"));
        }
        a.sis->pasta.GravaLinhas("Escala.Txt", {"32/01/24"});
        try {
            a.sis->pasta.LeUltimaEscala();
            QFAIL("sem falha");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("\"32/01/24\""));
        }
        a.sis->pasta.GravaLinhas("Entradas.Txt", {"três"});
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->pasta.LeEntradas());
    }

    // A rewrite of Niveis.Txt keeps lines 7 and 8 byte for byte.
    void niveis_linhas_7_e_8_intactas() {
        AmbienteTeste a;
        const QByteArray original = "Org\r\nU1\r\nU2\r\nU3\r\nCapa1.bmp\r\n/x/Espelho\r\n0042\r\n"
                                    "  livre \xe9 \t fim  \r\nLema\r\n";
        GravaBytes(a.sis->pasta.Caminho("Niveis.Txt"), original);
        Niveis n = a.sis->pasta.LeNiveis();
        QCOMPARE(n.PastaBackup(), QStringLiteral("/x/Espelho"));
        QCOMPARE(n.Unidade(), QStringLiteral("U1\nU2\nU3"));
        n.Linhas[5] = QStringLiteral("/y/Espelho");
        a.sis->pasta.GravaNiveis(n);
        QByteArray esperado = original;
        esperado.replace("/x/Espelho", "/y/Espelho");
        QCOMPARE(BytesDoArquivo(a.sis->pasta.Caminho("Niveis.Txt")), esperado);

        a.sis->pasta.GravaLinhas("Niveis.Txt", {"só", "três", "linhas"});
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->pasta.LeNiveis());
    }

    void gera_pstgrd_ate_a_primeira_vazia() {
        AmbienteTeste a;
        ModelosPstGrd m;
        m.Cells[0][0] = "Padrão";
        m.Cells[0][1] = "Cel";
        m.Cells[0][2] = "Maj";
        m.Cells[0][3] = "Cap";
        m.Cells[0][5] = "Sd"; // below an empty cell: ignored
        m.Cells[1][1] = "CEL";
        a.sis->pasta.GravaModelosPstGrd(m);
        QCOMPARE(a.sis->pasta.LeLinhas("ModelosPstGrd.Txt").size(), 275);
        QCOMPARE(a.sis->pasta.LeLinhas("ModelosPstGrd.Txt")[26], QStringLiteral("CEL"));
        a.sis->pasta.GeraPstGrd();
        QCOMPARE(a.sis->pasta.LePstGrd(), QStringList({"Cel", "Maj", "Cap"}));
        QCOMPARE(a.sis->pasta.LeModelosPstGrd().Cells[1][1], QStringLiteral("CEL"));
    }

    void copia_dos_modelos_para_no_primeiro_ausente() {
        AmbienteTeste a;
        a.sis->pasta.GravaLinhas("IniEscala.Txt", {"29/02/24"});
        a.sis->pasta.GravaLinhas("IniSemExped.Txt", {"02/03/24"});
        QFile::remove(a.sis->pasta.Caminho("IniManual.Txt"));
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->pasta.CopiaArquivosIni("Ini", ""));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(29, 2, 2024)); // copied before the failure
        QCOMPARE(a.sis->pasta.LeLinhas("SemExped.Txt"), QStringList({"02/03/24"}));
        QCOMPARE(a.sis->pasta.LeDataIniFim().second, D(9, 3, 2024)); // not reached
    }

    void instalacao_completa() {
        AmbienteTeste a(D(10, 3, 2024));
        for (const char* nome :
             {"Niveis.Txt", "ModelosPstGrd.Txt", "PstGrd.Txt", "Escala.Txt", "DataIniFim.Txt",
              "SemExped.Txt", "Entradas.Txt", "ArqCores.Txt", "Impressao.Txt", "Manual.Txt",
              "UltiEqual.Txt", "Entradas2.Txt", "Entradas.Doc", "Bandeira.bmp", "Capa1.bmp",
              "Capa2.bmp", "Tarvolim.db"})
            QVERIFY2(a.sis->pasta.Existe(nome), nome);
        for (const QString& nome : PastaDados::ArquivosIni())
            QVERIFY2(a.sis->pasta.Existe("Ini" + nome), qPrintable(nome));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(9, 3, 2024));
        QCOMPARE(a.sis->pasta.LeDataIniFim(), std::make_pair(D(9, 3, 2024), D(9, 3, 2024)));
        QCOMPARE(a.sis->pasta.LeEntradas(), 0);
        QCOMPARE(a.sis->pasta.LeLinhas("ArqCores.Txt").size(), 13);
        const Niveis n = a.sis->pasta.LeNiveis();
        QCOMPARE(n.Organizacao(), QStringLiteral("Devedo Vuredod"));
        QCOMPARE(n.Lema(), QStringLiteral("Segurança em Nossas Fronteiras"));
        QCOMPARE(n.PastaBackup(), a.PastaBackup());
        const QStringList postos = a.sis->pasta.LePstGrd();
        QVERIFY(postos.size() >= 16 && postos.size() <= 24);
        QVERIFY(postos.contains(QStringLiteral("1º Sgt")));
        for (const QString& p : postos)
            QVERIFY2(p.size() <= 7, qPrintable(p));
        QVERIFY(a.sis->pasta.LeLinhas("Manual.Txt").first().startsWith("000"));
        QVERIFY(!Instalacao::PastaNova(a.Pasta()));
    }
    // A line longer than a text file of the data folder may hold stops the
    // reading with the file and the line named.
    void linha_longa_data() {
        QTest::addColumn<int>("tamanho");
        QTest::addColumn<bool>("lida");
        QTest::newRow("no limite") << ArquivoTexto::MaxCaracteresLinha << true;
        QTest::newRow("um a mais") << ArquivoTexto::MaxCaracteresLinha + 1 << false;
        QTest::newRow("10 MB") << 10 * 1024 * 1024 << false;
    }
    void linha_longa() {
        QFETCH(int, tamanho);
        QFETCH(bool, lida);
        AmbienteTeste a;
        GravaBytes(a.sis->pasta.Caminho("SemExped.Txt"),
                   "01/03/24\r\n" + QByteArray(tamanho, '9') + "\r\n02/03/24\r\n");
        try {
            QCOMPARE(a.sis->pasta.LeLinhas("SemExped.Txt").value(1).size(), tamanho);
            QVERIFY(lida);
        } catch (const Falha& f) {
            QVERIFY(!lida);
            QVERIFY2(f.Mensagem().contains("O arquivo SemExped.Txt está danificado: a linha 2 tem"),
                     qPrintable(f.Mensagem().left(300)));
            QVERIFY(f.Mensagem().size() < 400); // the line itself is not quoted
        }
    }

    // Niveis.Txt written in UTF-8 is read as UTF-8, with a warning that names
    // it; the usual ISO-8859-1 and plain ASCII are read without one.
    void niveis_em_utf8() {
        AmbienteTeste a;
        const QStringList linhas{"Organização", "Unidade",   "",
                                 "Cidade - UF", "Capa1.bmp", "/x/Espelho",
                                 "0",           "",          "Segurança em Nossas Fronteiras"};
        const QString caminho = a.sis->pasta.Caminho("Niveis.Txt");
        GravaBytes(caminho, linhas.join("\r\n").toUtf8() + "\r\n");
        Niveis n = a.sis->pasta.LeNiveis();
        QCOMPARE(QStringList(n.Linhas.begin(), n.Linhas.end()), linhas);
        QVERIFY(n.Aviso.contains("Niveis.Txt está gravado em UTF-8"));
        a.sis->pasta.GravaNiveis(n);
        QCOMPARE(BytesDoArquivo(caminho), linhas.join("\r\n").toLatin1() + "\r\n");
        n = a.sis->pasta.LeNiveis();
        QCOMPARE(QStringList(n.Linhas.begin(), n.Linhas.end()), linhas);
        QVERIFY(n.Aviso.isEmpty());
        // ISO-8859-1 bytes that happen to look like UTF-8 would need two
        // unusual letters in a row; one accented letter is not enough.
        GravaBytes(caminho, "Org\xe3o\r\nU\r\nU\r\nU\r\nCapa1.bmp\r\n/x\r\n0\r\n\r\nLema\r\n");
        QCOMPARE(a.sis->pasta.LeNiveis().Organizacao(), QStringLiteral("Orgão"));
        QVERIFY(a.sis->pasta.LeNiveis().Aviso.isEmpty());
    }

    // A text file written on a disk that fills up: refused as a full disk, the
    // old file stays byte for byte and nothing is left beside it.
    void disco_cheio_data() {
        QTest::addColumn<qint64>("livres");
        QTest::newRow("nenhum byte") << qint64(0);
        QTest::newRow("metade") << qint64(10);
        QTest::newRow("falta um byte") << qint64(19);
    }
    void disco_cheio() {
        QFETCH(qint64, livres);
        AmbienteTeste a;
        const QByteArray antes = a.Bytes("DataIniFim.Txt");
        DiscoLimitado disco(livres);
        disco.Instala(*a.sis);
        try {
            a.sis->pasta.GravaDataIniFim(D(1, 3, 2024), D(31, 3, 2024)); // 20 bytes
            QFAIL("sem falha");
        } catch (const Falha& f) {
            QCOMPARE(f.Mensagem(),
                     QStringLiteral("Não foi possível gravar o arquivo DataIniFim.Txt: disco "
                                    "cheio.\nO arquivo ficou como estava. Libere espaço no disco "
                                    "e repita a operação."));
        }
        QCOMPARE(a.Bytes("DataIniFim.Txt"), antes);
        QCOMPARE(QDir(a.Pasta()).entryList({"DataIniFim.Txt*"}, QDir::Files | QDir::Hidden),
                 QStringList({"DataIniFim.Txt"}));
        disco.livres = 20;
        a.sis->pasta.GravaDataIniFim(D(1, 3, 2024), D(31, 3, 2024));
        QCOMPARE(a.Bytes("DataIniFim.Txt"), QByteArray("01/03/24\r\n31/03/24\r\n"));
    }
};
REGISTRA_TESTE(TesteArquivos)
#include "TesteArquivos.moc"
