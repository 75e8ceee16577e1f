; Quorrel's FZX print routine for the ZX Spectrum.
;
; Sets text in an FZX font on the 256 x 192 screen the way Quorrel's preview
; and `quorrel-cli render --wrap` set it: each character Kern pixels over the
; end of the one before (but never left of the line's left edge, where it is
; drawn whole), the font's tracking after it, the font's height from
; one line to the next. A character that would pass the right edge of the
; screen starts a new line at the first line's left edge, code 13 does the
; same, and a code below 32 or above the font's last character ends the text.
; Ink is ORed into the screen bitmap; attributes are left alone.
;
; Entry fzx_print (offset 3):
;   HL = text, DE = font (the bytes of an FZX file),
;   B = top of the first line (0..191), C = its left edge (0..255).
; Changes AF, BC, DE and HL only; keeps IX, IY and the alternate registers.
; Leaves interrupts as they are: SP only ever points into the stack, so a
; frame interrupt (IM 1 or IM 2) or an NMI may come at any time and the
; caller loses none. Uses no ROM routine. The code changes itself, so it
; must run from RAM.
;
; Lines break before a character that would pass the right edge; with the
; byte fz_p_wrap (offset 14) set to 1, before a word that would: the word
; starts the next line (one longer than a whole line starts where it is and
; breaks at characters), and a space that would pass the edge ends the line
; and is dropped with the spaces right after it.
;
; Entry fzx_basic (offset 15) takes the same from a parameter block that
; BASIC can POKE: text address at offset 6 (2 bytes, low byte first), font
; address at 8 (2 bytes), left edge at 10, top at 11. With the routine at
; 32768, a text at 49152 and a font at 36864:
;   10 POKE 32774,0: POKE 32775,192: POKE 32776,0: POKE 32777,144
;   20 POKE 32778,8: POKE 32779,16
;   30 RANDOMIZE USR 32783
;
; Entry fzx_install (offset 30) attaches the routine to BASIC's stream 4
; (another from 4 to 15 by a POKE at offset 33) with the font at offset 8,
; so that BASIC prints in the font; the channel's code is at the end of this
; file. With the routine at 32768 and a font at 36864:
;   10 POKE 32776,0: POKE 32777,144: RANDOMIZE USR 32798
;   20 PRINT #4;AT 16,8;"Hello, ";
;   30 PRINT #4;"world!"'"Score: ";1234
; AT takes a pixel line and column; every line then starts at that column.
; fzx_install calls the ROM's MAKE-ROOM (0x1655) to add its channel record.
;
; Entry fz_start (offset 0) is the start-up used by Quorrel's tapes and
; snapshots: it clears the screen to the colours in its parameters, sets the
; border, prints the text and waits for ever with interrupts on.
;
; Written without ORG: put one in front when including this file. Assembles
; with pasmo and z80asm.

fz_start:
        jp      fz_boot
fzx_print:
        jp      fz_print

; Parameters of the start-up, at offset 6.
fz_p_text:      defw 0          ; text address
fz_p_font:      defw 0          ; font address
fz_p_x:         defb 0          ; left edge of the text
fz_p_y:         defb 0          ; top of the text
fz_p_attr:      defb 0x38       ; screen attribute: paper * 8 + ink
fz_p_border:    defb 7          ; border colour
fz_p_wrap:      defb 0          ; 1: lines break between words

; Entry fzx_basic (offset 15), for RANDOMIZE USR: prints the text at
; fz_p_text in the font at fz_p_font from fz_p_x, fz_p_y and returns.
fzx_basic:
        ld      hl,(fz_p_font)
        ex      de,hl
        ld      hl,(fz_p_x)     ; L = x, H = y
        ld      b,h
        ld      c,l
        ld      hl,(fz_p_text)
        jp      fz_print

; Entry fzx_install (offset 30), for RANDOMIZE USR: attaches the stream in
; fz_p_stream to the channel at the end of this file (see there).
fzx_install:
        jp      fz_install
fz_p_stream:    defb 4          ; stream of the channel, 4 to 15 (offset 33)

fz_boot:
        ei                      ; a snapshot starts with them off: the frame
                                ; interrupt runs while the sample prints
        ld      a,(fz_p_border)
        and     7
        out     (0xFE),a
        ld      hl,0x4000
        ld      de,0x4001
        ld      bc,6143
        ld      (hl),0
        ldir
        inc     hl
        inc     de
        ld      a,(fz_p_attr)
        ld      (hl),a
        ld      bc,767
        ldir
        ld      hl,(fz_p_text)
        ld      de,(fz_p_font)
        ld      a,(fz_p_x)
        ld      c,a
        ld      a,(fz_p_y)
        ld      b,a
        call    fz_print
fz_wait:
        halt
        jr      fz_wait

; ---------------------------------------------------------------------------
fz_print:
        ld      (fz_text),hl
        ld      a,(fz_p_wrap)
        or      a
        ld      a,0x18          ; JR
        jr      z,fz_print1
        ld      a,0x3E          ; LD A,n
fz_print1:
        ld      (fz_wchk),a
        ld      a,c             ; the font's values live in the code that
        ld      (fz_hx+1),a     ; uses them: x0 at fz_hx, the height at fz_fh,
        ld      a,b             ; the tracking at fz_trk, last - 31 at
        cp      192             ; fz_lstc, the table at fz_tab
        ret     nc
        ld      (fz_y),a
        ex      de,hl
        ld      a,(hl)          ; height: a font of no height shows nothing
        or      a
        ret     z
        ld      (fz_fh+1),a
        ld      (fz_fh2+1),a
        ld      e,a
        inc     hl
        ld      a,(hl)
        ld      (fz_trk+1),a
        inc     hl
        ld      a,(hl)
        sub     31              ; the number of codes the table holds
        jr      nc,fz_print2
        xor     a
fz_print2:
        ld      (fz_lstc+1),a
        inc     hl
        ld      (fz_tab+1),hl
        ld      a,192           ; the first line, as fz_home sets up the next:
        sub     b               ; its rows, the pen at x0
        cp      e
        jr      c,fz_print3
        ld      a,e
fz_print3:
        ld      (fz_lim+1),a
        ld      l,c
        ld      h,0
        ld      (fz_x),hl
        xor     a
        ld      (fz_any),a
        jr      fz_next

fz_newline:
        call    fz_feed
        ret     c
fz_next:
        ld      hl,(fz_text)
        ld      a,(hl)
        inc     hl
        ld      (fz_text),hl
        cp      13
        jr      z,fz_newline
        sub     32              ; C = code - 32; codes below 32 come out
fz_lstc:                        ; above any last - 31 and end the text, as
        cp      0               ; codes beyond the last do
        ret     nc
        ld      c,a
        ; Words: a word after a space that would pass the edge starts a line
fz_wchk:
        jr      fz_code         ; becomes LD A,n (no jump) for words
        ld      a,(fz_any)
        or      a
        jr      z,fz_wprev
        ld      a,c             ; a space is 0 here
        or      a
        jr      z,fz_wprev
        ld      a,(fz_prev)
        or      a
        jr      nz,fz_wprev
        push    bc
        call    fz_word
        jr      nc,fz_wfit
        ld      a,(fz_hx+1)     ; a word longer than a whole line stays and
        ld      c,a             ; breaks at characters
        ld      b,0
        call    fz_wordat
        ccf
fz_wfit:
        pop     bc
        jr      nc,fz_wprev
        call    fz_feed
        ret     c
fz_wprev:
        ld      a,c
        ld      (fz_prev),a
fz_code:
        ; HL = table entry of the code: table + 3 * (code - 32)
        ld      l,c
        ld      h,0
        ld      e,l
        ld      d,h
        add     hl,hl
        add     hl,de
fz_tab: ld      de,0
        add     hl,de
        ld      e,l             ; DE = the entry
        ld      d,h
        ld      c,(hl)          ; offset word: BC = offset, kern in the top bits
        inc     hl
        ld      a,(hl)
        and     0x3F
        ld      b,a
        xor     (hl)            ; the kern bits alone
        rlca
        rlca
        ld      (fz_kern),a
        inc     hl
        ld      a,(hl)          ; leading and width - 1
        ld      (fz_info),a
        inc     hl              ; the next entry
        ex      de,hl           ; definition: entry + offset
        add     hl,bc
        ld      (fz_data),hl
        ex      de,hl
        ld      c,(hl)          ; next definition: next entry + its offset
        inc     hl
        ld      a,(hl)
        and     0x3F
        ld      b,a
        add     hl,bc           ; (one past the entry: the SCF takes it off)
        scf
        sbc     hl,de           ; HL = length of the definition
        ld      a,(fz_info)
        and     15
        inc     a
        ld      (fz_width),a
        cp      9
        jr      c,fz_rows
        srl     h               ; two bytes a row
        rr      l
fz_rows:
        ld      a,h             ; rows, at most 255 (the body holds fewer)
        or      a
        jr      z,fz_rows1
        ld      l,255
fz_rows1:
        ld      b,l             ; B = rows, C = leading, kept while it is
        ld      a,(fz_info)     ; placed (a new line only moves it)
        rrca
        rrca
        rrca
        rrca
        and     15
        ld      c,a

fz_place:
        ; gx = max(x - kern, x0): the left edge of the character's pixels;
        ; kern never takes it left of the line's start (x >= x0 always)
        ld      hl,(fz_x)
        ld      a,(fz_kern)
        or      a
        jr      z,fz_place0
        ld      e,a
        ld      d,0
        sbc     hl,de           ; carry clear from the OR
        ld      a,h             ; below 256 (or below 0): compare with x0
        or      a
        jr      nz,fz_place1
        ld      a,(fz_hx+1)
        cp      l
        jr      c,fz_place0
        ld      l,a
        jr      fz_place0
fz_place1:
        bit     7,h
        jr      z,fz_place0
        ld      a,(fz_hx+1)
        ld      l,a
        ld      h,0
fz_place0:
        ld      (fz_gx),hl
        ; does it pass the right edge, gx + width > 256?
        ld      a,h
        or      a
        jr      nz,fz_passes    ; it starts right of the screen
        ld      a,(fz_width)
        dec     a
        add     a,l
        jr      nc,fz_within
fz_passes:
        ld      a,(fz_any)      ; a line's first character never wraps
        or      a
        jr      z,fz_vert
        push    bc
        call    fz_feed
        pop     bc
        ret     c
        ld      a,(fz_p_wrap)   ; words: a space there ends the line, dropped
        or      a
        jr      z,fz_line0
        ld      a,(fz_prev)
        or      a
        jr      z,fz_spaces
fz_line0:
        ld      hl,(fz_x)       ; a line's first character starts at x0
        jp      fz_place0
fz_spaces:
        ld      hl,(fz_text)    ; with the spaces right after it
fz_skip:
        ld      a,(hl)
        cp      32
        jr      nz,fz_skipped
        inc     hl
        jr      fz_skip
fz_skipped:
        ld      (fz_text),hl
        jp      fz_next

; The character lies within the screen's columns (HL = gx).
fz_within:
        ; the pen moves on at once: x = gx + width + tracking
        ld      a,(fz_width)    ; at least 1: the line now holds a character
        ld      (fz_any),a
        ld      e,a
        ld      d,0
        add     hl,de
fz_trk: ld      e,0             ; the font's tracking
        add     hl,de
        ld      (fz_x),hl
        ; rows on the screen: min(B, the line's rows below the leading)
        ld      a,(fz_y)
        add     a,c
        ld      (fz_top),a
fz_lim: ld      a,0             ; the line's rows: min(height, 192 - y)
        sub     c
        jp      c,fz_next
        jp      z,fz_next
        cp      b
        jr      c,fz_wv1
        ld      a,b
        or      a
        jp      z,fz_next
fz_wv1:
        ld      (fz_count),a
        ld      hl,(fz_gx)
        jp      fz_fast

; The first character of a line passes the right edge: it is drawn up to
; the edge, and the pen moves on by its whole width.
fz_vert:
        ld      a,h             ; a line's first character starts at x0 < 256
        or      a
        jp      nz,fz_next
        ld      a,(fz_width)
        ld      (fz_any),a
        ld      e,a
        ld      d,0
        add     hl,de
        ld      a,(fz_trk+1)
        ld      e,a
        add     hl,de
        ld      (fz_x),hl
        ; rows on the screen: min(B, the line's rows below the leading)
        ld      a,(fz_y)
        add     a,c
        ld      (fz_top),a
        ld      a,(fz_lim+1)    ; the line's rows: min(height, 192 - y)
        sub     c
        jp      c,fz_next
        jp      z,fz_next
        cp      b
        jr      c,fz_vert1
        ld      a,b
        or      a
        jp      z,fz_next
fz_vert1:
        ld      (fz_count),a
        ; the columns up to the edge, 256 - gx of them, are drawn
        ld      hl,(fz_gx)
        ld      a,(fz_width)
        cp      9
        ld      a,0             ; NOP: one byte a row
        jp      c,fz_cutw
        xor     a
        sub     l
        cp      9               ; two bytes a row, both partly shown: the
        jr      c,fz_vert3      ; fast paths with the width cut to the edge
        ld      (fz_width),a
        jp      fz_fast
fz_vert3:
        ld      a,0x13          ; INC DE: two bytes a row, the first shown
        jp      fz_cutw

; New line: y grows by the height and x returns to the left edge. Carry set
; when the new line would start at or below the bottom of the screen, and
; then y is 255.
fz_feed:
        ld      a,(fz_y)
fz_fh:  add     a,0             ; the font's height
        jr      c,fz_below
        cp      192
        jr      nc,fz_below
        ld      (fz_y),a
; A = y: the pen at the left edge, and the rows the line shows, min(height,
; 192 - y).
fz_home:
        ld      b,a
        ld      a,192
        sub     b
fz_fh2: cp      0               ; the font's height
        jr      c,fz_home1
        ld      a,(fz_fh+1)
fz_home1:
        ld      (fz_lim+1),a
fz_hx:  ld      hl,0            ; the left edge
        ld      (fz_x),hl
        xor     a               ; also clears carry
        ld      (fz_any),a
        ret
fz_below:                       ; the channel shows nothing more until AT
        ld      a,255
        ld      (fz_y),a
        scf
        ret

; Carry set when the word from the character just read would pass the
; right edge, set from the pen on (fz_wordat: from the pen in BC): each
; character's left column at max(pen - kern, x0), the pen then at its end
; plus the tracking.
fz_word:
        ld      bc,(fz_x)
fz_wordat:
        ld      hl,(fz_text)
        dec     hl
fz_wchar:
        ld      a,(hl)
        inc     hl
        cp      33              ; a space, 13 or the end: the word fits
        jr      c,fz_wfits
        sub     32
        ld      e,a
        ld      a,(fz_lstc+1)
        dec     a
        cp      e
        jr      c,fz_wfits      ; a code the font lacks ends the text
        push    hl
        ld      l,e
        ld      h,0
        ld      d,h
        add     hl,hl
        add     hl,de
        ld      de,(fz_tab+1)
        add     hl,de
        inc     hl
        ld      a,(hl)          ; kern in the top two bits
        rlca
        rlca
        and     3
        ld      e,a
        inc     hl
        ld      a,(hl)
        and     15
        inc     a
        ld      d,a             ; D = width, E = kern
        ld      a,c             ; BC = pen - kern
        sub     e
        ld      c,a
        jr      nc,fz_wk
        dec     b
fz_wk:
        ld      a,(fz_hx+1)       ; not left of x0
        ld      l,a
        ld      a,c
        sub     l
        ld      a,b
        sbc     a,0
        jp      p,fz_wclamp
        ld      c,l
        ld      b,0
fz_wclamp:
        ld      a,b             ; passes when left + width > 256
        or      a
        jr      nz,fz_wpass
        ld      a,d
        dec     a
        add     a,c
        jr      c,fz_wpass
        ld      a,c             ; pen = left + width + tracking
        add     a,d
        ld      c,a
        jr      nc,fz_wt
        inc     b
fz_wt:
        ld      a,(fz_trk+1)
        add     a,c
        ld      c,a
        jr      nc,fz_wn
        inc     b
fz_wn:
        pop     hl
        jr      fz_wchar
fz_wpass:
        pop     hl
        scf
        ret
fz_wfits:
        or      a
        ret

; A = y (0..191), C = column (0..31) -> HL = screen address of that byte.
fz_rowaddr:
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ret

; HL = screen address of the current character's first row and byte.
fz_screen:
        ld      a,(fz_gx)
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        jr      fz_rowaddr

; ---------------------------------------------------------------------------
; Fast paths: the character lies within the screen's columns (a cut one with
; its width cut to them). Each row is rotated right by s = gx mod 8 (left by
; 8 - s for 6 and 7) and split between neighbouring bytes by masks patched
; into the code; a byte beyond the character gets no ink.
fz_fast:
        ; M: the bits of a byte that stay in it after the shift s
        ld      a,l
        and     7
        jp      z,fz_aligned
        ld      b,a             ; B = s
        ld      e,a             ; A = the byte of fz_bits1 at A
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        cpl
        ld      c,a             ; C = M
        ld      a,(fz_width)
        cp      9
        jp      nc,fz_fastwide
        ; a row's pixels after the shift: s..s+w-1 of two bytes
        ld      e,a             ; HL = fz_bits1 + s + w (D is 0)
        add     hl,de
        ld      a,(hl)
        and     c
        ld      c,a             ; C = the first byte's pixels
        ld      e,17
        add     hl,de
        ld      a,(hl)          ; the second byte's
        or      a
        jr      z,fz_one        ; the shifted row fits in one byte
        ld      (fz_nm1+1),a
        ld      a,c
        ld      (fz_nm0+1),a
        ld      a,b
        sub     6               ; the jump's displacement: s - 6 for 6 and
        jr      nc,fz_nd        ; 7 (RLCAs), 9 - s for 0 to 5 (RRCAs)
        neg
        add     a,3
fz_nd:
        ld      (fz_nj+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a

        ld      de,(fz_data)
        ld      a,(fz_count)
        ld      b,a
fz_nrow:
        ld      a,(de)
        inc     de
fz_nj:  jr      fz_nrot
fz_nrot:
        rlca            ; s = 6, 7: 8 - s of these
        rlca
        jr      fz_nrote
        rrca            ; s = 0 to 5: s of these
        rrca
        rrca
        rrca
        rrca
fz_nrote:
        ld      c,a
fz_nm0: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,c
fz_nm1: and     0
        or      (hl)
        ld      (hl),a
        dec     l
        inc     h               ; one pixel row down
        ld      a,h
        and     7
        jr      z,fz_nfix
fz_nnext:
        djnz    fz_nrow
        jp      fz_next
fz_nfix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_nnext
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_nnext

; A row that fits in one screen byte after the shift (B = s, C = mask).
fz_one:
        ld      a,c
        ld      (fz_1m+1),a
        ld      (fz_1qm+1),a
        ld      a,b
        sub     6               ; the jump's displacement: s - 6 for 6 and
        jr      nc,fz_1d        ; 7 (RLCAs), 9 - s for 0 to 5 (RRCAs)
        neg
        add     a,3
fz_1d:
        ld      (fz_1j+1),a
        ld      (fz_1qj+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ld      de,(fz_data)
        ld      a,h             ; all rows within one cell row?
        and     7
        ld      b,a
        ld      a,(fz_count)
        add     a,b
        cp      9
        ld      a,(fz_count)
        ld      b,a
        jr      c,fz_1q
fz_1row:
        ld      a,(de)
        inc     de
fz_1j:  jr      fz_1rot
fz_1rot:
        rlca            ; s = 6, 7: 8 - s of these
        rlca
        jr      fz_1rote
        rrca            ; s = 0 to 5: s of these
        rrca
        rrca
        rrca
        rrca
fz_1rote:
fz_1m:  and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h               ; one pixel row down
        ld      a,h
        and     7
        jr      z,fz_1fix
fz_1next:
        djnz    fz_1row
        jp      fz_next
fz_1fix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_1next
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_1next
fz_1q:
        ld      a,(de)
        inc     de
fz_1qj: jr      fz_1qrot
fz_1qrot:
        rlca            ; s = 6, 7: 8 - s of these
        rlca
        jr      fz_1qrote
        rrca            ; s = 0 to 5: s of these
        rrca
        rrca
        rrca
        rrca
fz_1qrote:
fz_1qm: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h
        djnz    fz_1q
        jp      fz_next

; Byte-aligned (s = 0): a narrow character's rows go straight to the screen.
fz_aligned:
        ld      a,(fz_width)
        cp      9
        jr      c,fz_aligned1
        ld      bc,0x00FF       ; s = 0, M = all bits
        jr      fz_fastwide
fz_aligned1:
        ld      e,a
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)          ; the bits within the width
        ld      (fz_am+1),a
        ld      (fz_aqm+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ld      de,(fz_data)
        ld      a,h             ; all rows within one cell row?
        and     7
        ld      b,a
        ld      a,(fz_count)
        add     a,b
        cp      9
        ld      a,(fz_count)
        ld      b,a
        jr      c,fz_aq
fz_arow:
        ld      a,(de)
        inc     de
fz_am:  and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h
        ld      a,h
        and     7
        jr      z,fz_afix
fz_anext:
        djnz    fz_arow
        jp      fz_next
fz_afix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_anext
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_anext
fz_aq:
        ld      a,(de)
        inc     de
fz_aqm: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h
        djnz    fz_aq
        jp      fz_next

fz_fastwide:
        ld      a,(fz_width)    ; a third screen byte when s + width > 16
        add     a,b
        cp      17
        jp      c,fz_two
        ; Three screen bytes a row. The second data byte is cut to the width
        ; before its shift, so the middle screen byte takes the first byte's
        ; spill and the second byte's kept bits in one write.
        sub     b
        sub     8
        ld      e,a
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        ld      (fz_3w+1),a
        ld      a,c
        ld      (fz_3m0+1),a
        ld      (fz_3m1+1),a
        cpl
        ld      (fz_3n+1),a
        ld      a,b             ; the shift as at most four rotations
        add     a,a
        add     a,a
        ld      l,a
        ld      h,0
        ld      de,fz_rots-4
        add     hl,de
        ld      e,(hl)
        inc     hl
        ld      d,(hl)
        inc     hl
        ld      (fz_3r0),de
        ld      (fz_3r1),de
        ld      e,(hl)
        inc     hl
        ld      d,(hl)
        ld      (fz_3r0+2),de
        ld      (fz_3r1+2),de
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        push    ix              ; IXL counts the rows: B and C hold the bytes
        ld      a,(fz_count)
        defb    0xDD,0x6F       ; LD IXL,A (spelt out for every assembler)
        ld      de,(fz_data)
fz_3row:
        ld      a,(de)          ; the left byte
        inc     de
fz_3r0: nop
        nop
        nop
        nop
        ld      c,a
fz_3m0: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,(de)          ; the right byte
        inc     de
fz_3w:  and     0xFF
fz_3r1: nop
        nop
        nop
        nop
        ld      b,a
        xor     c               ; the kept bits of the second, the spill of the first
fz_3m1: and     0xFF
        xor     c
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,b
fz_3n:  and     0
        or      (hl)
        ld      (hl),a
        dec     l
        dec     l
        inc     h
        ld      a,h
        and     7
        jr      z,fz_3fix
fz_3next:
        defb    0xDD,0x2D       ; DEC IXL
        jr      nz,fz_3row
        pop     ix
        jp      fz_next
fz_3fix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_3next
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_3next

; A wide character whose shifted rows fit in two screen bytes (A = s +
; width): the second byte's pixels join the first's right part in one write.
fz_two:
        sub     8
        ld      e,a             ; A = the byte of fz_bits1 at A
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        and     c
        ld      (fz_2m1+1),a
        ld      a,c
        ld      (fz_2m0+1),a
        cpl
        ld      (fz_2n0+1),a
        ld      a,b
        sub     6               ; the jump's displacement: s - 6 for 6 and
        jr      nc,fz_2d        ; 7 (RLCAs), 9 - s for 0 to 5 (RRCAs)
        neg
        add     a,3
fz_2d:
        ld      (fz_2j0+1),a
        ld      (fz_2j1+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ld      de,(fz_data)
        ld      a,(fz_count)
        ld      b,a
fz_2row:
        ld      a,(de)
        inc     de
fz_2j0: jr      fz_2rot0
fz_2rot0:
        rlca            ; s = 6, 7: 8 - s of these
        rlca
        jr      fz_2rot0e
        rrca            ; s = 0 to 5: s of these
        rrca
        rrca
        rrca
        rrca
fz_2rot0e:
        ld      c,a
fz_2m0: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,c
fz_2n0: and     0
        ld      c,a
        ld      a,(de)
        inc     de
fz_2j1: jr      fz_2rot1
fz_2rot1:
        rlca            ; s = 6, 7: 8 - s of these
        rlca
        jr      fz_2rot1e
        rrca            ; s = 0 to 5: s of these
        rrca
        rrca
        rrca
        rrca
fz_2rot1e:
fz_2m1: and     0xFF
        or      c
        or      (hl)
        ld      (hl),a
        dec     l
        inc     h
        ld      a,h
        and     7
        jr      z,fz_2fix
fz_2next:
        djnz    fz_2row
        jp      fz_next
fz_2fix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_2next
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_2next

; ---------------------------------------------------------------------------
; A character cut by the right edge within its first byte (HL = gx, A = the
; step over a row's second byte): s + the columns shown = 8, one screen
; byte a row.
fz_cutw:
        ld      (fz_cst),a
        ld      a,l
        and     7
        ld      e,a
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)          ; the columns shown: the bits right of s
        cpl
        ld      (fz_cm+1),a
        ld      a,e
        sub     6               ; the jump's displacement: s - 6 for 6 and
        jr      nc,fz_cd        ; 7 (RLCAs), 9 - s for 0 to 5 (RRCAs)
        neg
        add     a,3
fz_cd:
        ld      (fz_cj+1),a
        call    fz_screen
        ld      de,(fz_data)
        ld      a,(fz_count)
        ld      b,a
fz_crow:
        ld      a,(de)
        inc     de
fz_cst: inc     de              ; NOP for one byte a row
fz_cj:  jr      fz_crot
fz_crot:
        rlca            ; s = 6, 7: 8 - s of these
        rlca
        jr      fz_crote
        rrca            ; s = 0 to 5: s of these
        rrca
        rrca
        rrca
        rrca
fz_crote:
fz_cm:  and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h
        ld      a,h
        and     7
        jr      z,fz_cfix
fz_cnext:
        djnz    fz_crow
        jp      fz_next
fz_cfix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_cnext
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_cnext

; ---------------------------------------------------------------------------
fz_bits1:       defb 0x00, 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, 0xFF
                defb 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF
fz_bits2:       defb 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00
                defb 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, 0xFF

; A right shift by s = 1..7 as rotations: RRCA s times or RLCA 8 - s times,
; NOPs after them.
fz_rots:        defb 0x0F, 0x00, 0x00, 0x00, 0x0F, 0x0F, 0x00, 0x00
                defb 0x0F, 0x0F, 0x0F, 0x00, 0x0F, 0x0F, 0x0F, 0x0F
                defb 0x07, 0x07, 0x07, 0x00, 0x07, 0x07, 0x00, 0x00
                defb 0x07, 0x00, 0x00, 0x00

fz_text:        defw 0          ; next character of the text
fz_x:           defw 0          ; pen position
fz_gx:          defw 0          ; left edge of the current character
fz_data:        defw 0          ; its definition
fz_y:           defb 0          ; top of the current line
fz_any:         defb 0          ; nonzero once the line holds a character
fz_kern:        defb 0
fz_info:        defb 0
fz_width:       defb 0
fz_count:       defb 0          ; rows to draw
fz_top:         defb 0          ; screen row of the first of them
fz_prev:        defb 0          ; code - 32 of the character before

; ---------------------------------------------------------------------------
; The stream channel. fzx_install takes the font at fz_p_font and the first
; line's left edge and top at fz_p_x and fz_p_y, and attaches the stream in
; fz_p_stream to a channel record whose output is fz_chout. The record goes
; where BASIC keeps its channels, at their end, made room for with the ROM's
; MAKE-ROOM: there the ROM moves it, and CURCHL with it, whenever the memory
; below shifts, which it would not do for a record kept here. Installing
; again (another font, say) reuses the record.
;
; Then PRINT #4 sets text in the font: CHR$ 13 starts a new line, AT y,x
; (CHR$ 22, line and column in pixels) starts one there, and every
; following line starts at that column too; the pen stays where the last
; character left it, so the next PRINT goes on from there. Lines break
; between characters; a line that would start below the screen shows
; nothing until the next AT. INK, PAPER, FLASH, BRIGHT, INVERSE, OVER and
; TAB are read and ignored, as are other control codes and codes the font
; lacks. INPUT #4 reports "J Invalid I/O device".
fz_install:
        ld      hl,(fz_p_font)
        ld      (fz_cfont),hl
        ld      hl,(fz_p_x)     ; L = left edge, H = top
        ld      (fz_cleft),hl
        ld      a,1
        ld      (fz_chome),a
        xor     a
        ld      (fz_cwant),a
        ld      a,(fz_p_stream)
        and     15
        add     a,a
        ld      l,a
        ld      h,0
        ld      de,23574        ; STRMS: the word of stream 0
        add     hl,de
        push    hl
        ld      e,(hl)          ; DE = the stream's offset, 0 when closed
        inc     hl
        ld      d,(hl)
        ld      hl,(23631)      ; CHANS
        add     hl,de
        dec     hl              ; the record it points at
        ld      a,d
        or      e
        jr      z,fz_inew
        ld      e,(hl)
        inc     hl
        ld      d,(hl)
        dec     hl
        push    hl
        ld      hl,fz_chout
        or      a
        sbc     hl,de
        pop     hl
        jr      z,fz_iset       ; the record is ours already
fz_inew:
        ld      hl,(23635)      ; PROG: the 0x80 that ends the channels is before it
        dec     hl
        ld      bc,5
        call    0x1655          ; MAKE-ROOM: 5 bytes from HL + 1 on return
        inc     hl
        push    hl
        ex      de,hl
        ld      hl,fz_chan
        ld      bc,5
        ldir
        pop     hl
fz_iset:
        ld      de,(23631)      ; the stream holds the record's distance from CHANS + 1
        or      a
        sbc     hl,de
        inc     hl
        ex      de,hl
        pop     hl
        ld      (hl),e
        inc     hl
        ld      (hl),d
        ret

fz_chan:        defw fz_chout   ; the record: output, input, name
                defw fz_chin
                defb 'F'

fz_chin:
        rst     8
        defb    0x12            ; J Invalid I/O device, as the printer

; Output: A = the code PRINT sends. Keeps every register but AF.
fz_chout:
        push    bc
        push    de
        push    hl
        call    fz_cput
        pop     hl
        pop     de
        pop     bc
        ret

fz_cput:
        ld      c,a
        ld      hl,fz_cwant     ; parameter bytes still to come
        ld      a,(hl)
        or      a
        jr      nz,fz_cparam
        ld      a,c
        cp      32
        jr      nc,fz_cchar
        cp      13
        jr      z,fz_cchar
        sub     16              ; INK to OVER (16..21) take one byte, AT and TAB two
        ret     c
        cp      8
        ret     nc
        ld      (fz_ckind),a
        ld      (hl),1
        cp      6
        ret     c
        ld      (hl),2
        ret
fz_cparam:
        dec     (hl)
        ld      a,(fz_ckind)
        cp      6               ; only AT's line and column are kept
        ret     nz
        ld      a,(hl)
        or      a
        ld      a,c
        jr      z,fz_ccol
        ld      (fz_ctop),a
        ret
fz_ccol:
        ld      (fz_cleft),a
        ld      a,1
        ld      (fz_chome),a
        ret

; A character or 13: drawn by fz_next from a text of its own, going on
; from the pen. The font is set up (by fz_print with an empty text) only
; after AT or install, or when another print set up another font; then the
; pen is kept. Lines break between characters: the word check stays off.
fz_cchar:
        ld      l,c
        ld      h,0
        ld      (fz_cbuf),hl    ; the code and a 0 that ends the text
        ld      hl,fz_chome
        ld      a,(hl)
        or      a
        jr      z,fz_cpen
        ld      a,(fz_ctop)
        cp      192
        ret     nc              ; below the screen: nothing shows
        ld      (hl),0
        ld      b,a
        ld      a,(fz_cleft)
        ld      c,a
        call    fz_csetup
        jr      fz_cdraw
fz_cpen:
        ld      a,(fz_y)        ; 255 once a line would start below the
        cp      192             ; screen: nothing shows until AT
        ret     nc
        ld      hl,(fz_cfont)   ; fz_tab holds the set-up font + 3
        inc     hl
        inc     hl
        inc     hl
        ld      de,(fz_tab+1)
        or      a
        sbc     hl,de
        jr      z,fz_cgo
        ld      b,a             ; another font: set up ours on this line,
        ld      a,(fz_hx+1)     ; keeping the pen
        ld      c,a
        ld      hl,(fz_x)
        push    hl
        ld      a,(fz_any)
        push    af
        call    fz_csetup
        pop     af
        ld      (fz_any),a
        pop     hl
        ld      (fz_x),hl
fz_cdraw:
        ld      hl,(fz_cfont)   ; a font of no height sets up nothing
        inc     hl
        inc     hl
        inc     hl
        ld      de,(fz_tab+1)
        or      a
        sbc     hl,de
        ret     nz
fz_cgo:
        ld      a,0x18          ; JR: no word check
        ld      (fz_wchk),a
        ld      hl,fz_cbuf
        ld      (fz_text),hl
        jp      fz_next

; B = top, C = left edge: fz_print sets up the channel's font there.
fz_csetup:
        ld      hl,fz_cbuf+1    ; the 0: an empty text
        ld      de,(fz_cfont)
        jp      fz_print

fz_cfont:       defw 0          ; the channel's font
fz_cleft:       defb 0          ; left edge of its lines: the last AT's column
fz_ctop:        defb 0          ; top of the line after AT
fz_chome:       defb 0          ; 1: the next character starts a line there
fz_cwant:       defb 0          ; parameter bytes still to come
fz_ckind:       defb 0          ; of the control code: its code - 16
fz_cbuf:        defb 0, 0       ; the character and the 0 that ends it
