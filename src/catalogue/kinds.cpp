#include "catalogue/kinds.h"

namespace kinds {

const QList<Kind> &all()
{
    static const QList<Kind> list = {
        {"APT", "아파트", "아파트", "아파트(&1)", "TfmAPTList", "TfmAPTLentList"},
        {"BUN", "아파트분양권", "분양권", "분양권 매매(&2)", "TfmBUNList", ""},
        {"DAN", "단독주택", "단독주택", "단독주택(&3)", "TfmDANList", "TfmDANLentList"},
        {"DAG", "다가구", "다가구", "다가구(&4)", "TfmDAGList", "TfmDAGLentList"},
        {"BIL", "", "빌라/다세대", "빌라/다세대(&5)", "TfmBILList", "TfmBILLentList"},
        {"SAG", "상가", "상가", "상가(&6)", "TfmSANList", "TfmSANLentList"},
        {"SAJ", "상가주택", "상가주택", "상가주택(&7)", "TfmSAJList", "TfmSAJLentList"},
        {"OFT", "오피스텔", "오피스텔", "오피스텔(&8)", "TfmOFTList", "TfmOFTLentList"},
        {"ONE", "원룸", "원룸", "원룸(&9)", "TfmONEList", "TfmONELentList"},
        {"SAM", "사무실", "사무실", "사무실(&A)", "TfmSAMList", "TfmSAMLentList"},
        {"BUL", "빌딩", "빌딩", "빌딩(&B)", "TfmBULList", "TfmBULLentList"},
        {"TOJ", "토지", "토지", "토지(&C)", "TfmTOJList", "TfmTOJLentList"},
        {"GON", "공장", "공장", "공장(&D)", "TfmGONList", "TfmGONLentList"},
        {"JUN", "전원주택", "전원주택", "전원주택(&E)", "TfmJUNList", "TfmJUNLentList"},
        {"JOO", "주유소", "주유소", "주유소(&F)", "TfmJOOList", "TfmJOOLentList"},
        {"MOT", "모텔", "모텔", "모텔(&G)", "TfmMOTList", "TfmMOTLentList"},
        {"OTH", "", "기타", "기타(&H)", "TfmOTHList", "TfmOTHLentList"},
    };
    return list;
}

const Kind *byCode(const QString &code)
{
    for (const Kind &k : all())
        if (k.code == code)
            return &k;
    return nullptr;
}

} // namespace kinds
