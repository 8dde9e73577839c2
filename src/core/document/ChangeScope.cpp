#include "core/document/ChangeScope.h"

#include "core/document/Document.h"

namespace zt46 {

ChangeScope::ChangeScope(Document& document, std::string label)
    : ChangeScope(document, std::move(label), document.CurrentPlace()) {}

ChangeScope::ChangeScope(Document& document, std::string label, ChangePlace where)
    : m_doc(document), m_label(std::move(label)), m_where(where) {
    m_outer = m_doc.m_openChanges++ == 0;
    if (!m_outer) return;
    // The image shows every edit of the models, as a save would write it.
    m_doc.ModelsToImage();
    m_before = m_doc.Image();
    m_trailerBefore = m_doc.Trailer();
}

ChangeScope::~ChangeScope() {
    Close();
}

void ChangeScope::Close() {
    if (!m_open) return;
    m_open = false;
    --m_doc.m_openChanges;
}

bool ChangeScope::Commit() {
    if (!m_open) return false;
    Close();
    if (!m_outer) return false;
    m_doc.ModelsToImage();
    if (m_doc.Image() == m_before && m_doc.Trailer() == m_trailerBefore) return false;
    ChangeRecord record{std::move(m_label), m_before,        m_doc.Image(),
                        m_trailerBefore,    m_doc.Trailer(), m_where};
    m_doc.SetModified(true);
    if (m_doc.m_sink) m_doc.m_sink->Recorded(std::move(record));
    return true;
}

} // namespace zt46
