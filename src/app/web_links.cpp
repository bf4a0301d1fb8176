#include "app/web_links.h"

#include <QHash>

namespace weblinks {

static const QString kHome = QStringLiteral("https://www.domora.co.kr/");

const QList<WebLink> &buttons()
{
    static const QList<WebLink> list = {
        {"표준공시지가", "표준공시지가", "https://www.realtyprice.kr/"},
        {"아파트기준시가", "아파트기준시가", "https://www.hometax.go.kr/"},
        {"개별공시지가", "개별공시지가", "https://www.realtyprice.kr/"},
        {"아파트시세", "아파트시세", "https://kbland.kr/"},
        {"중개업소 매매", "중개업소매매", "https://land.naver.com/"},
        {"토지왕(땅매매)", "토지왕", "https://www.eum.go.kr/"},
        {"코렘(주)", "코렘", "https://land.naver.com/"},
        {"스피드뱅크", "스피드뱅크", "https://www.serve.co.kr/"},
        {"계약서작성프로그램", "계약서작성프로그램", "https://www.kar.or.kr/"},
        {"부동산114", "부동산114", "https://www.r114.com/"},
        {"인터넷매물관리", "인터넷매물관리", "https://land.naver.com/"},
        {"국민은행부동산", "국민은행부동산", "https://kbland.kr/"},
        {"부동산뉴스", "부동산뉴스", "https://land.naver.com/news/"},
        {"한국경제", "한국경제", "https://www.hankyung.com/"},
        {"서울경제", "서울경제", "https://www.sedaily.com/"},
        {"매일경제", "매일경제", "https://www.mk.co.kr/"},
        {"국민일보", "국민일보", "https://www.kmib.co.kr/"},
        {"조선일보", "조선일보", "https://www.chosun.com/"},
        {"중앙일보", "중앙일보", "https://www.joongang.co.kr/"},
        {"한겨레", "한겨레", "https://www.hani.co.kr/"},
        {"등기부등본 발급", "등기부등본발급", "https://www.iros.go.kr/"},
        {"건설교통부", "건설교통부", "https://www.molit.go.kr/"},
        {"부동산경매정보", "부동산경매정보", "https://www.courtauction.go.kr/"},
        {"대법원경매", "대법원경매정보", "https://www.courtauction.go.kr/"},
        {"공매정보", "공매정보", "https://www.onbid.co.kr/"},
        {"한국토지공사", "한국토지공사", "https://www.lh.or.kr/"},
        {"대한주택공사", "대한주택공사", "https://www.lh.or.kr/"},
        {"국세청", "국세청", "https://www.nts.go.kr/"},
        {"농업기반공사", "농업기반공사", "https://www.ekr.or.kr/"},
        {"전국부동산중개업협회", "전국부동산중개업협회", "https://www.kar.or.kr/"},
        {"대한공인중개사협회", "대한공인중개사협회", "https://www.kar.or.kr/"},
        {"대한변호사협회", "대한변호사협회", "https://www.koreanbar.or.kr/"},
        {"네이버지도", "네이버지도", "https://map.naver.com/"},
        {"엠파스지도", "엠파스지도", "https://map.kakao.com/"},
        {"콩나물지도", "콩나물지도", "https://map.kakao.com/"},
        {"한국도로정보", "한국도로공사", "https://www.ex.co.kr/"},
        {"전화번호찾기", "전화번호찾기", "https://www.114.co.kr/"},
        {"우편번호", "우편번호", "https://www.epost.go.kr/"},
        {"DDD", "DDD", "https://www.114.co.kr/"},
        {"철도청", "철도청", "https://www.letskorail.com/"},
        {"고속버스(1)", "고속버스1", "https://www.kobus.co.kr/"},
        {"고속버스(2)", "고속버스2", "https://www.bustago.or.kr/"},
        {"대한항공", "대한항공", "https://www.koreanair.com/"},
        {"아시아나항공", "아시아나항공", "https://flyasiana.com/"},
    };
    return list;
}

QUrl homePage() { return QUrl(kHome); }

QUrl urlFor(const QString &sname)
{
    static const QHash<QString, QString> map = [] {
        QHash<QString, QString> h;
        for (const WebLink &l : buttons())
            h.insert(l.sname, l.address);
        h.insert(kBanner, kHome);
        h.insert(kUpgrade, kHome + QStringLiteral("upgrade/"));
        return h;
    }();
    return QUrl(map.value(sname, kHome));
}

} // namespace weblinks
