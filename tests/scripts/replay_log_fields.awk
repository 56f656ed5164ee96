# Reads a replay log's glyph fields against the tour's own records of the same operations:
#   awk -f replay_log_fields.awk GLYPHS STEP.txt... LOG
# Each glyph the log places at the start of a text, unfitted, in a style the tour draws, must be a line
# of GLYPHS (its face's origin from its cell's corner, scale across and down, weight); each fit the
# log records must be one a step's snapshot shows (character, scale, shift across and down).  Prints
# what it checked and what it did not find; fails when it found nothing to check or missed anything.
function field(line, name,    m) {
    if (!match(line, "\"" name "\": [^,}]*")) return ""
    m = substr(line, RSTART + length(name) + 4, RLENGTH - length(name) - 4)
    gsub(/"/, "", m)
    return m
}
function code(face) {
    if (face == "ゴシック") return "G"
    if (face == "ｺﾞｼｯｸ") return "g"
    if (face == "Times New Roman") return "T"
    if (face == "MT Extra") return "M"
    return "\"" face "\""
}
function near(a, b, tol) { return a - b <= tol && b - a <= tol }
# A shift as a snapshot writes it: to a tenth, without a sign on zero.
function tenths(v,    s) {
    s = sprintf("%.1f", v)
    if (s == "-0.0") s = "0.0"
    sub(/\.0$/, "", s)
    return s
}
FILENAME == ARGV[1] {
    i = index($0, ": ")
    key = substr($0, 1, i - 1)
    split(substr($0, i + 2), v, /[ ,×\/w]+/)
    n = ++count[key]
    gx[key, n] = v[1]; gy[key, n] = v[2]; gsx[key, n] = v[3]; gsy[key, n] = v[4]; gw[key, n] = v[5]
    next
}
FILENAME != ARGV[ARGC - 1] {
    # A step's fits, without their places among the characters.
    rest = $0
    while ((i = index(rest, " fit \"")) > 0) {
        rest = substr(rest, i + 5)
        j = index(rest, " fit \"")
        one = j ? substr(rest, 1, j - 1) : rest
        sub(/@[0-9]+/, "", one)
        shown[one] = 1
    }
    next
}
!/"op": "text"/ || index($0, "\\") { next }
/"fits"/ {
    f = substr($0, index($0, "\"fits\": [{") + 10)
    if (field(f, "index") != 0) next
    s = sprintf("%.2f", field(f, "scale"))
    one = "\"" field($0, "s") "\"" (s == "1.00" ? "" : " ×" s) " "
    d = tenths(field(f, "dx"))
    one = one (d ~ /^-/ ? "" : "+") d "," tenths(field(f, "dy"))
    fits++
    if (!(one in shown)) {
        print "fit " one " is in no step"
        bad++
    }
    next
}
/"glyphs"/ {
    g = substr($0, index($0, "\"glyphs\": [{") + 12)
    if (field(g, "index") != 0 || field(g, "drawn") == "") next
    key = "\"" field(g, "drawn") "\" " field($0, "p") "/" field($0, "q") " " code(field($0, "face")) " " field($0, "size")
    if (field($0, "bold") == "true") key = key " b"
    if (field($0, "italic") == "true") key = key " i"
    if (index($0, "\"role\": \"operator\"")) key = key " op"
    if (!count[key]) next  # a style the tour does not draw (the menus)
    ox = field(g, "x") - field($0, "x"); oy = field(g, "y") - field($0, "y")
    found = 0
    for (n = 1; n <= count[key]; ++n)
        if (near(ox, gx[key, n], 0.006) && near(oy, gy[key, n], 0.006) && near(field(g, "sx"), gsx[key, n], 0.00006) &&
            near(field(g, "sy"), gsy[key, n], 0.00006) && near(field(g, "weight"), gw[key, n], 0.006)) found = 1
    glyphs++
    if (!found) {
        printf "%s: %+.2f,%+.2f ×%.4f/%.4f w%.2f is in no line of GLYPHS\n", key, ox, oy, field(g, "sx"), field(g, "sy"), field(g, "weight")
        bad++
    }
}
END {
    printf "%d glyphs and %d fits checked, %d missing\n", glyphs, fits, bad
    exit (bad > 0 || glyphs == 0 || fits == 0)
}
