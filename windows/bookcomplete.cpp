#include "windows/bookcomplete.h"

#include <objbase.h>
#include <shldisp.h>
#include <shlguid.h>

#include <utility>

namespace sorvanta {

// The autocomplete's source: the words, enumerated from the start at each
// Reset, so a new list is taken up at the next keystroke.
class CBookEnum final : public IEnumString {
public:
    explicit CBookEnum(std::vector<std::wstring> arrWords = {}, std::size_t nNext = 0)
        : m_arrWords(std::move(arrWords)), m_nNext(nNext) {}
    CBookEnum(const CBookEnum&) = delete;
    CBookEnum& operator=(const CBookEnum&) = delete;

    void SetWords(std::vector<std::wstring> arrWords) {
        m_arrWords = std::move(arrWords);
        m_nNext = 0;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (ppv == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumString)) {
            *ppv = static_cast<IEnumString*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0) delete this;
        return nRefs;
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG nWanted, LPOLESTR* ppWords, ULONG* pnFetched) override {
        if (ppWords == nullptr) return E_POINTER;
        ULONG nFetched = 0;
        while (nFetched < nWanted && m_nNext < m_arrWords.size()) {
            const std::wstring& word = m_arrWords[m_nNext];
            const std::size_t nBytes = (word.size() + 1) * sizeof(wchar_t);
            auto* pCopy = static_cast<LPOLESTR>(CoTaskMemAlloc(nBytes));
            if (pCopy == nullptr) break;
            CopyMemory(pCopy, word.c_str(), nBytes);
            ppWords[nFetched++] = pCopy;
            ++m_nNext;
        }
        if (pnFetched != nullptr) *pnFetched = nFetched;
        return nFetched == nWanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG nCount) override {
        m_nNext += nCount;
        return m_nNext <= m_arrWords.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        m_nNext = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumString** ppClone) override {
        if (ppClone == nullptr) return E_POINTER;
        *ppClone = new CBookEnum(m_arrWords, m_nNext);
        return S_OK;
    }

private:
    ~CBookEnum() = default;

    std::vector<std::wstring> m_arrWords;
    std::size_t m_nNext;
    ULONG m_nRefs = 1;
};

CBookComplete::~CBookComplete() {
    if (m_pAutoComplete != nullptr) m_pAutoComplete->Release();
    if (m_pWords != nullptr) m_pWords->Release();
}

void CBookComplete::Attach(HWND hCombo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (m_pWords != nullptr || !GetComboBoxInfo(hCombo, &info) || info.hwndItem == nullptr) return;
    if (FAILED(CoCreateInstance(CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER, IID_IAutoComplete2,
                                reinterpret_cast<void**>(&m_pAutoComplete)))) {
        m_pAutoComplete = nullptr;
        return;
    }
    m_pWords = new CBookEnum();
    m_pAutoComplete->Init(info.hwndItem, m_pWords, nullptr, nullptr);
    // Suggested only, never appended: Down and Enter or a click takes one.
    m_pAutoComplete->SetOptions(ACO_AUTOSUGGEST);
}

void CBookComplete::SetWords(std::vector<std::wstring> arrWords) {
    if (m_pWords != nullptr) m_pWords->SetWords(std::move(arrWords));
}

}  // namespace sorvanta
