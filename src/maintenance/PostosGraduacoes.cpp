#include "maintenance/PostosGraduacoes.h"

#include "model/Sistema.h"

void LeModelosPstGrd(Sistema& s) {
    s.SGModelos = s.pasta.LeModelosPstGrd();
}

void GravaModelosPstGrd(Sistema& s) {
    s.pasta.GravaModelosPstGrd(s.SGModelos);
    s.pasta.GeraPstGrd();
}

QStringList FormasPadrao(const ModelosPstGrd& modelos) {
    QStringList formas;
    for (int r = 1; r < ModelosPstGrd::Linhas && !modelos.Cells[0][r].isEmpty(); ++r)
        formas << modelos.Cells[0][r];
    return formas;
}

bool CorrigePstGrd(Sistema& s, JanelaCorrigePstGrd& janela, const QString& forma) {
    s.CorrecaoPstGrd.Forma.clear();
    const QStringList formas = FormasPadrao(s.SGModelos);
    const std::optional<int> escolha = janela.Escolhe(forma, formas);
    if (!escolha || *escolha < 0 || *escolha >= formas.size())
        return false;
    s.CorrecaoPstGrd.Forma = formas[*escolha];
    s.CorrecaoPstGrd.Linha = *escolha + 1;
    s.CorrecaoPstGrd.ModelosAlterados = true;
    return true;
}
