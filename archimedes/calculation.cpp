#include "calculation.h"

#include "runtime/numbers.h"

namespace archimedes {

float weight(int densityTenths, int heightMetres)
{
    const float d = static_cast<float>(densityTenths / 10.0);
    const float p = static_cast<float>(heightMetres) * d;
    return static_cast<float>(static_cast<double>(p) * 9.8 * 1000.0);
}

float coverHeight(int heightMetres)
{
    return 1000.0f - 100.0f * static_cast<float>(heightMetres);
}

int motionDirection(float F)
{
    return F < E ? -1 : F > E ? 1 : 0;
}

const char* judgement(int option, float F)
{
    static constexpr const char* right = "MOLT BÉ. Simula el Moviment per comprovar-ho";
    static constexpr const char* wrong = "T'HAS EQUIVOCAT. Simula el Moviment per comprovar-ho";
    switch (option) {
    case 0: return F == E ? "MOLT BÉ. El recipient es manté, E=F. Simula el Moviment per comprovar-ho" : wrong;
    case 1:
        return F < E ? "MOLT BÉ.  Simula el Moviment per comprovar-ho"
                     : "T'HAS EQUIVOCAT.Simula el Moviment per comprovar-ho";
    default: return F > E ? right : wrong;
    }
}

std::string resultText(float F)
{
    const char* ending = F == E  ? " Newtons i l'empenta de l'aigua de 98.000 N;  E= F, es manté"
                         : F < E ? " Newtons i l'empenta de l'aigua de 98.000 N; E > F, flota"
                                 : " Newtons i l'empenta de l'aigua de 98.000 N; E < F, s'enfonsa";
    return "El pes del recipient és de " + rt::shortNumber(F) + ending;
}

}  // namespace archimedes
