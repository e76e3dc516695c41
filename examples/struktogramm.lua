-- A pandoc filter: code blocks of the class "struktogramm" hold a diagram
-- in Velbrant's text notation and become the picture Velbrant draws of it,
-- an SVG written into HTML output and a PNG file for other formats.
--
--   pandoc --lua-filter struktogramm.lua text.md -o text.html
--
-- VELBRANT names the program when it is not on the PATH.

local velbrant = os.getenv("VELBRANT") or "velbrant"
local count = 0

function CodeBlock(block)
  if block.classes[1] ~= "struktogramm" then
    return nil
  end
  if FORMAT:match("html") then
    local svg = pandoc.pipe(velbrant, {"--export", "-.svg", "-"}, block.text)
    -- The picture's XML declaration does not belong inside a page.
    svg = svg:gsub("^<%?xml[^>]*>%s*", "")
    return pandoc.RawBlock("html", '<figure class="struktogramm">' .. svg .. "</figure>")
  end
  count = count + 1
  local png = "struktogramm-" .. count .. ".png"
  local picture = pandoc.pipe(velbrant, {"--export", "-.png", "-"}, block.text)
  local file = io.open(png, "wb")
  file:write(picture)
  file:close()
  return pandoc.Para({pandoc.Image({}, png)})
end
