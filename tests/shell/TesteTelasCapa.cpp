#include "base/CoresQt.h"
#include "shell/TFAbaManutencao.h"
#include "shell/TFAlterarFoto.h"
#include "shell/TFPreencheCapa.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QColor Fundo(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

QColor Amostra(const QWidget* tela, int i) {
    return Fundo(Controle<QFrame>(tela, QStringLiteral("Shape%1").arg(i)));
}

void Troca(QWidget* tela, const char* a, const char* b) {
    Controle<QLineEdit>(tela, "Edit1")->setText(QLatin1String(a));
    Controle<QLineEdit>(tela, "Edit2")->setText(QLatin1String(b));
    Controle<QPushButton>(tela, "Button2")->click();
}

// Clicks the line of a list that has that text.
void ClicaItem(QListWidget* lista, const QString& texto) {
    const auto itens = lista->findItems(texto, Qt::MatchExactly);
    QVERIFY2(itens.size() == 1, qPrintable(texto));
    lista->scrollToItem(itens[0]);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(itens[0]).center());
}

// Clicks a button once the script's step is over, so that the screen it
// opens is the script's next step.
void ClicaDepois(QWidget* tela, const char* botao) {
    QTimer::singleShot(0, Controle<QPushButton>(tela, QLatin1String(botao)), &QPushButton::click);
}

} // namespace

// The colour screen (item 21) and the cover screen (item 13) from the
// maintenance menu.
class TesteTelasCapa : public QObject {
    Q_OBJECT
private slots:
    // Swapping 1 and 8 paints the screen and the main window green and shows
    // the former background at swatch 8; two slots of one panel are refused;
    // the original colours are what the file holds after closing.
    void cores() {
        JanelaPrincipal j;
        j.Mostra("TabSheet2");
        const QColor original = CorDaPaleta(1);
        RoteiroModal roteiro;
        roteiro.Quando("FAlteraCores", [&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Painel para alteração de cores"));
            QCOMPARE(Controle<QLineEdit>(w, "Edit1")->text(), QStringLiteral("1"));
            QCOMPARE(Controle<QLineEdit>(w, "Edit2")->text(), QStringLiteral("1"));
            for (int i = 1; i <= 13; ++i)
                QCOMPARE(Amostra(w, i), CorDaPaleta(i));
            Troca(w, "1", "8");
            const QColor verde(0, 128, 0);
            QCOMPARE(Amostra(w, 1), verde);
            QCOMPARE(Amostra(w, 8), original);
            QCOMPARE(Fundo(w), verde);
            QCOMPARE(Fundo(j.p.get()), verde);
            const QByteArray arquivo = j.a.Bytes("ArqCores.Txt");

            j.a.dialogos.EsperaAviso("Não é possível trocar cores dentro do mesmo painel");
            Troca(w, "2", "5");
            j.a.dialogos.EsperaAviso("Não é possível trocar cores dentro do mesmo painel");
            Troca(w, "9", "12");
            j.a.dialogos.EsperaAviso("não é o número de uma cor");
            Troca(w, "x", "8");
            QCOMPARE(Amostra(w, 1), verde);
            QCOMPARE(Amostra(w, 2), CorDaPaleta(2));
            QCOMPARE(Amostra(w, 12), CorDaPaleta(12));
            // Nothing written before closing.
            QCOMPARE(j.a.Bytes("ArqCores.Txt"), arquivo);

            Controle<QPushButton>(w, "BCoresOriginais")->click();
            QCOMPARE(Amostra(w, 1), original);
            QCOMPARE(Amostra(w, 8), verde);
            QCOMPARE(Fundo(j.p.get()), original);
            Troca(w, "13", "6");
            w->close();
        });
        j.p->AbaManutencao()->ExecutaItem(21);
        QVERIFY(roteiro.Cumprido());
        QVERIFY(j.a.dialogos.ScriptCumprido());
        QByteArray esperado;
        for (int i : {1, 2, 3, 4, 5, 13, 7, 8, 9, 10, 11, 12, 6})
            esperado += QByteArray::number(i) + "\r\n";
        QCOMPARE(j.a.Bytes("ArqCores.Txt"), esperado);

        // Opened again: the swatches from the slots; closed after the
        // original colours, the file holds 1 to 13.
        QTest::qWait(20); // the script sees the screen closed
        roteiro.Quando("FAlteraCores", [&](QWidget* w) {
            QCOMPARE(Amostra(w, 6), CorDaPaleta(13));
            QCOMPARE(Amostra(w, 13), CorDaPaleta(6));
            Controle<QPushButton>(w, "BCoresOriginais")->click();
            w->close();
        });
        j.p->AbaManutencao()->ExecutaItem(21);
        QVERIFY(roteiro.Cumprido());
        esperado.clear();
        for (int i = 1; i <= 13; ++i)
            esperado += QByteArray::number(i) + "\r\n";
        QCOMPARE(j.a.Bytes("ArqCores.Txt"), esperado);
    }

    // The fields from Niveis.Txt; another organisation empties the motto;
    // "Incluir sua Foto" copies the clicked picture as ANovaFoto; on "Sair"
    // the file and the cover follow.
    void capa() {
        JanelaPrincipal j;
        j.Mostra("TabSheet2");
        QTemporaryDir fora;
        const QString foto = QDir(fora.path()).filePath("Quartel.png");
        QImage imagem(40, 30, QImage::Format_RGB32);
        imagem.fill(Qt::darkGreen);
        QVERIFY(imagem.save(foto));
        const QStringList antes = j.a.sis->pasta.LeLinhas("Niveis.Txt");
        const QString copia = QDir::toNativeSeparators(QDir(j.a.Pasta()).filePath("ANovaFoto.png"));

        RoteiroModal roteiro;
        roteiro.Quando("FPreencheCapa", [&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Preenchimento da Capa"));
            QCOMPARE(Fundo(w), CorDoSlot(j.a.sis->SlotsCores, 1));
            auto* edit1 = Controle<QLineEdit>(w, "Edit1");
            auto* edit6 = Controle<QLineEdit>(w, "Edit6");
            QCOMPARE(edit1->text(), antes[0]);
            QCOMPARE(Controle<QLineEdit>(w, "Edit3")->text(), antes[2]);
            QCOMPARE(Controle<QLineEdit>(w, "Edit5")->text(), antes[4]);
            QCOMPARE(edit6->text(), antes[8]);
            QCOMPARE(Controle<QPushButton>(w, "Button2")->text(),
                     QStringLiteral("Escolher uma  Foto"));

            // Passing through the default organisation keeps the motto.
            edit1->setFocus();
            emit edit1->editingFinished();
            QCOMPARE(edit6->text(), antes[8]);
            edit1->setText("3º Batalhão");
            emit edit1->editingFinished();
            QCOMPARE(edit6->text(), QStringLiteral(" "));
            Controle<QLineEdit>(w, "Edit2")->setText("Quartel General");

            ClicaDepois(w, "BAlterarFoto");
        });
        roteiro.Quando("FAlterarFoto", [&](QWidget* f) {
            QCOMPARE(f->windowTitle(), QStringLiteral("Alterar fotografia"));
            static_cast<TFAlterarFoto*>(f)->MostraPasta(fora.path());
            auto* arquivos = Controle<QListWidget>(f, "Arquivos");
            QCOMPARE(Itens(arquivos), QStringList({"Quartel.png"}));
            ClicaItem(arquivos, "Quartel.png");
        });
        roteiro.Quando("FPreencheCapa", [&](QWidget* w) {
            QCOMPARE(Controle<QLineEdit>(w, "Edit5")->text(), copia);
            Controle<QPushButton>(w, "Button1")->click();
        });
        j.p->AbaManutencao()->ExecutaItem(13);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(BytesDoArquivo(copia), BytesDoArquivo(foto));
        const QStringList depois = j.a.sis->pasta.LeLinhas("Niveis.Txt");
        QCOMPARE(depois, QStringList({"3º Batalhão", "Quartel General", antes[2], antes[3], copia,
                                      antes[5], antes[6], antes[7], " "}));
        QCOMPARE(Controle<QLabel>(j.p.get(), "Label20")->text(), QStringLiteral("3º Batalhão"));
        QCOMPARE(Controle<QLabel>(j.p.get(), "Label16")->text(),
                 "Quartel General\n" + antes[2] + '\n' + antes[3]);
        QCOMPARE(Controle<QLabel>(j.p.get(), "Label24")->text(), QStringLiteral(" "));
        QCOMPARE(Controle<QLabel>(j.p.get(), "Image1")->pixmap().size(), QSize(40, 30));

        // "Escolher uma  Foto" offers the pictures of the data folder.
        QTest::qWait(20); // the script sees the screen closed
        roteiro.Quando("FPreencheCapa", [&](QWidget* w) {
            QCOMPARE(Controle<QLineEdit>(w, "Edit5")->text(), copia);
            ClicaDepois(w, "Button2");
        });
        roteiro.Quando("FEscolherFoto", [&](QWidget* f) {
            QCOMPARE(f->windowTitle(), QStringLiteral("Escolher uma fotografia"));
            auto* arquivos = Controle<QListWidget>(f, "Arquivos");
            QVERIFY(Itens(arquivos).contains("ANovaFoto.png"));
            ClicaItem(arquivos, "Capa2.bmp");
        });
        roteiro.Quando("FPreencheCapa", [&](QWidget* w) {
            QCOMPARE(Controle<QLineEdit>(w, "Edit5")->text(), QStringLiteral("Capa2.bmp"));
            w->close();
        });
        j.p->AbaManutencao()->ExecutaItem(13);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(j.a.sis->pasta.LeLinhas("Niveis.Txt").value(4), QStringLiteral("Capa2.bmp"));
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }
};

REGISTRA_TESTE(TesteTelasCapa)
#include "TesteTelasCapa.moc"
